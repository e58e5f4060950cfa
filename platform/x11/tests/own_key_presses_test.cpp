#include "platform/x11/own_key_presses.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

using Clock = OwnKeyPresses::Clock;

TEST(OwnKeyPressesTest, TellsTheOutputsPressesFromTheUsers) {
  const Clock::time_point start{};
  OwnKeyPresses own;
  for (const int keycode : {22, 22, 38}) own.Sent(keycode, start);
  // The user's own keyboard, even with the same key, is never taken for the output.
  EXPECT_FALSE(own.TakeIfOwn(22, false, start));
  EXPECT_TRUE(own.TakeIfOwn(22, true, start));
  // xdotool types through XTest too: a key the output did not send next is the user's.
  EXPECT_FALSE(own.TakeIfOwn(40, true, start));
  EXPECT_TRUE(own.TakeIfOwn(22, true, start));
  EXPECT_TRUE(own.TakeIfOwn(38, true, start));
  EXPECT_FALSE(own.TakeIfOwn(38, true, start));
}

TEST(OwnKeyPressesTest, APressThatNeverCameBackIsForgotten) {
  const Clock::time_point start{};
  OwnKeyPresses own;
  own.Sent(22, start);
  EXPECT_FALSE(own.TakeIfOwn(22, true, start + OwnKeyPresses::kForgetAfter + Clock::duration(1)));
}

}  // namespace
}  // namespace keyloom
