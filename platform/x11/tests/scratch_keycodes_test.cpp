#include "platform/x11/scratch_keycodes.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

using Clock = ScratchKeycodes::Clock;
using std::chrono::milliseconds;

constexpr unsigned long kEacute = 0xe9;
constexpr unsigned long kEuro = 0x010020ac;
constexpr unsigned long kZhe = 0x01000416;
const Clock::time_point kStart{};

TEST(ScratchKeycodesTest, BindsAFreeKeycodeOnceAndReusesTheBinding) {
  ScratchKeycodes scratch;
  scratch.SetSpareKeycodes({200, 201});
  const auto first = scratch.Assign(kEacute, kStart);
  ASSERT_TRUE(first);
  EXPECT_TRUE(first->needs_binding);
  EXPECT_FALSE(first->rebinding);
  EXPECT_EQ(first->ready_at, kStart);
  const auto again = scratch.Assign(kEacute, kStart + milliseconds(1));
  ASSERT_TRUE(again);
  EXPECT_EQ(again->keycode, first->keycode);
  EXPECT_FALSE(again->needs_binding);
  EXPECT_EQ(scratch.Find(kEacute, kStart), first->keycode);
}

TEST(ScratchKeycodesTest, RebindsTheKeycodeSentLongestAgoOnlyOnceClientsHadTimeToLookItUp) {
  ScratchKeycodes scratch;
  scratch.SetSpareKeycodes({200, 201});
  const int eacute = scratch.Assign(kEacute, kStart)->keycode;
  const int euro = scratch.Assign(kEuro, kStart + milliseconds(1))->keycode;
  scratch.BeginRound();
  scratch.Find(kEacute, kStart + milliseconds(2));
  scratch.BeginRound();
  // Both keycodes may still wait in a client's queue with their keysyms.
  const auto zhe = scratch.Assign(kZhe, kStart + milliseconds(3));
  ASSERT_TRUE(zhe);
  EXPECT_EQ(zhe->keycode, euro);
  EXPECT_TRUE(zhe->needs_binding);
  EXPECT_TRUE(zhe->rebinding);
  EXPECT_EQ(zhe->ready_at, kStart + milliseconds(1) + ScratchKeycodes::kRebindAfter);
  EXPECT_FALSE(scratch.Find(kEuro, kStart));
  EXPECT_EQ(scratch.Find(kEacute, kStart), eacute);
  // Long after, a keycode is ready at once.
  scratch.BeginRound();
  const Clock::time_point later = kStart + milliseconds(1000);
  EXPECT_EQ(scratch.Assign(kEuro, later)->ready_at, later);
}

TEST(ScratchKeycodesTest, NeverRebindsAKeycodeThatTheRoundUses) {
  ScratchKeycodes scratch;
  scratch.SetSpareKeycodes({200, 201});
  scratch.BeginRound();
  ASSERT_TRUE(scratch.Assign(kEacute, kStart));
  ASSERT_TRUE(scratch.Assign(kEuro, kStart));
  // The round's keys all go out after its bindings: a keycode can carry one keysym in it.
  EXPECT_FALSE(scratch.Assign(kZhe, kStart));
  scratch.BeginRound();
  EXPECT_TRUE(scratch.Assign(kZhe, kStart));
}

TEST(ScratchKeycodesTest, TheTimeForClientsCountsFromWhenTheRoundWentOut) {
  ScratchKeycodes scratch;
  scratch.SetSpareKeycodes({200});
  scratch.BeginRound();
  scratch.Assign(kEacute, kStart);
  // The round waited for clients before its keys went out.
  scratch.RoundSent(kStart + milliseconds(300));
  scratch.BeginRound();
  EXPECT_EQ(scratch.Assign(kEuro, kStart + milliseconds(301))->ready_at,
            kStart + milliseconds(300) + ScratchKeycodes::kRebindAfter);
}

TEST(ScratchKeycodesTest, KeepsOnlyTheBindingsThatANewKeyboardMapStillHolds) {
  ScratchKeycodes scratch;
  scratch.SetSpareKeycodes({200, 201, 202});
  const int eacute = scratch.Assign(kEacute, kStart)->keycode;
  const int euro = scratch.Assign(kEuro, kStart)->keycode;
  const int other = 200 + 201 + 202 - eacute - euro;
  // A new layout emptied the keycode of the euro and took the third one for itself.
  scratch.SetSpareKeycodes({euro}, {eacute});
  EXPECT_EQ(scratch.Find(kEacute, kStart), eacute);
  EXPECT_FALSE(scratch.Find(kEuro, kStart));
  EXPECT_TRUE(scratch.IsSpare(euro));
  EXPECT_FALSE(scratch.IsSpare(other));
  ASSERT_EQ(scratch.Bindings().size(), 1u);
  EXPECT_EQ(scratch.Bindings()[0].keycode, eacute);
}

TEST(ScratchKeycodesTest, ListsItsBindingsForUndoing) {
  ScratchKeycodes scratch;
  scratch.SetSpareKeycodes({200, 201, 202});
  scratch.Assign(kEacute, kStart);
  scratch.Assign(kZhe, kStart);
  const auto bindings = scratch.Bindings();
  ASSERT_EQ(bindings.size(), 2u);
  EXPECT_NE(bindings[0].keycode, bindings[1].keycode);
}

TEST(ScratchKeycodesTest, WithoutSpareKeycodesNothingIsAssigned) {
  ScratchKeycodes scratch;
  EXPECT_FALSE(scratch.Assign(kEacute, kStart));
  EXPECT_FALSE(scratch.Find(kEacute, kStart));
}

}  // namespace
}  // namespace keyloom
