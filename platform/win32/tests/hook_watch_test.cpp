#include "platform/win32/hook_watch.h"

#include <gtest/gtest.h>

#include <vector>

namespace keyloom {
namespace {

TEST(HookWatchTest, AHookThatSeesNoKeysWhileKeysArriveIsInstalledAgain) {
  struct Step {
    bool hook;  // the hook ran, else a key arrived
    unsigned long tick;
    bool reinstall;
  };
  struct Case {
    const char* what;
    std::vector<Step> steps;
  };
  const Case cases[] = {
      {"keys that the hook sees",
       {{true, 100, false},
        {false, 101, false},
        {true, 5000, false},
        {false, 5001, false},
        {false, 5002, false}}},
      {"a quiet moment is no loss",
       {{true, 100, false}, {false, 2000, false}, {false, 2100, false}}},
      {"three keys past the quiet time",
       {{true, 100, false},
        {false, 2000, false},
        {false, 2100, false},
        {false, 2200, true},
        // Just installed again: the next keys wait for it as for a new hook.
        {false, 2300, false}}},
      {"the hook running again forgives",
       {{true, 100, false},
        {false, 2000, false},
        {false, 2100, false},
        {true, 2150, false},
        {false, 2200, false}}},
      {"the tick count wraps",
       {{true, 0xFFFFFF00, false}, {false, 100, false}, {false, 200, false}, {false, 300, false}}},
  };
  for (const Case& c : cases) {
    HookWatch watch;
    for (const Step& step : c.steps) {
      if (step.hook) {
        watch.HookRan(step.tick);
      } else {
        EXPECT_EQ(watch.KeyArrived(step.tick), step.reinstall) << c.what << " at " << step.tick;
      }
    }
  }
}

}  // namespace
}  // namespace keyloom
