#include "platform/linux/runtime_keys_lock.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>
#include <string>

namespace keyloom {
namespace {

TEST(RuntimeKeysLockTest, TheOtherProgramSeesTheKeysTakenUntilGivenBackOrTheTakerEnds) {
  const std::string path = testing::TempDir() + "/keys-" + std::to_string(getpid()) + ".lock";
  auto quipcast = std::make_unique<RuntimeKeysLock>(path);
  RuntimeKeysLock keyloom(path);
  EXPECT_FALSE(keyloom.TakenElsewhere());
  quipcast->Take(true);
  EXPECT_TRUE(keyloom.TakenElsewhere());
  EXPECT_FALSE(quipcast->TakenElsewhere());
  quipcast->Take(false);
  EXPECT_FALSE(keyloom.TakenElsewhere());
  quipcast->Take(true);
  quipcast.reset();
  EXPECT_FALSE(keyloom.TakenElsewhere());
  // Without a runtime folder nothing is given or seen.
  RuntimeKeysLock nowhere("");
  nowhere.Take(true);
  EXPECT_FALSE(nowhere.TakenElsewhere());
  unlink(path.c_str());
}

}  // namespace
}  // namespace keyloom
