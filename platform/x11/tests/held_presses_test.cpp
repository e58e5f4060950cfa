#include "platform/x11/held_presses.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

using Clock = HeldPresses::Clock;

TEST(HeldPressesTest, PassesOverEachHeldPressOnceByItsKeyAndTime) {
  const Clock::time_point start{};
  HeldPresses held;
  held.Held(22, 1000, start);
  held.Held(22, 1040, start);
  // The same key pressed again later (typed again, or not held at all) is heard.
  EXPECT_FALSE(held.TakeIfHeld(22, 1100, start));
  EXPECT_FALSE(held.TakeIfHeld(38, 1000, start));
  EXPECT_TRUE(held.TakeIfHeld(22, 1040, start));
  EXPECT_TRUE(held.TakeIfHeld(22, 1000, start));
  EXPECT_FALSE(held.TakeIfHeld(22, 1000, start));
}

TEST(HeldPressesTest, ReadsWhatTheGrabBroughtBeforeLooking) {
  const Clock::time_point start{};
  HeldPresses held;
  held.SetReader([&] { held.Held(22, 1000, start); });
  EXPECT_TRUE(held.TakeIfHeld(22, 1000, start));
}

TEST(HeldPressesTest, APressWhoseRawEventNeverCameIsForgotten) {
  const Clock::time_point start{};
  HeldPresses held;
  held.Held(22, 1000, start);
  EXPECT_FALSE(held.TakeIfHeld(22, 1000, start + HeldPresses::kForgetAfter + Clock::duration(1)));
}

}  // namespace
}  // namespace keyloom
