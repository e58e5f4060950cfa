#include "platform/x11/grab_history.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

constexpr int kF9 = 75;
constexpr int kTab = 23;

TEST(GrabHistoryTest, NothingIsGrabbedAtFirst) {
  GrabHistory history;
  EXPECT_FALSE(history.WasGrabbed(kF9, 100));
}

TEST(GrabHistoryTest, EventsFromTheGrabRequestOnAreGrabbed) {
  GrabHistory history;
  history.Grabbed(kF9, 10);
  EXPECT_FALSE(history.WasGrabbed(kF9, 9));
  EXPECT_TRUE(history.WasGrabbed(kF9, 10));
  EXPECT_TRUE(history.WasGrabbed(kF9, 500));
  EXPECT_FALSE(history.WasGrabbed(kTab, 500));
}

TEST(GrabHistoryTest, EventsBeforeTheReleaseStillCameThroughTheGrab) {
  GrabHistory history;
  history.Grabbed(kTab, 10);
  history.Released(kTab, 20);
  history.Grabbed(kTab, 30);
  const struct {
    unsigned long serial;
    bool grabbed;
  } cases[] = {{5, false}, {10, true}, {19, true}, {20, false}, {29, false}, {30, true}};
  for (const auto& c : cases) EXPECT_EQ(history.WasGrabbed(kTab, c.serial), c.grabbed) << c.serial;
}

TEST(GrabHistoryTest, ForgettingKeepsTheAnswersForLaterEvents) {
  GrabHistory history;
  history.Grabbed(kTab, 10);
  history.Released(kTab, 20);
  history.Grabbed(kTab, 30);
  history.Grabbed(kF9, 12);
  history.Released(kF9, 15);
  history.Forget(25);
  EXPECT_FALSE(history.WasGrabbed(kTab, 25));
  EXPECT_TRUE(history.WasGrabbed(kTab, 30));
  EXPECT_FALSE(history.WasGrabbed(kF9, 25));
  history.Forget(40);
  EXPECT_TRUE(history.WasGrabbed(kTab, 40));
}

}  // namespace
}  // namespace keyloom
