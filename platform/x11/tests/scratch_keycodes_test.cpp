#include "platform/x11/scratch_keycodes.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

constexpr unsigned long kEacute = 0xe9;
constexpr unsigned long kEuro = 0x010020ac;
constexpr unsigned long kZhe = 0x01000416;

TEST(ScratchKeycodesTest, BindsAFreeKeycodeOnceAndReusesTheBinding) {
  ScratchKeycodes scratch;
  scratch.SetSpareKeycodes({200, 201});
  scratch.BeginRound();
  const auto first = scratch.Assign(kEacute);
  ASSERT_TRUE(first);
  EXPECT_TRUE(first->needs_binding);
  scratch.BeginRound();
  const auto again = scratch.Assign(kEacute);
  ASSERT_TRUE(again);
  EXPECT_EQ(again->keycode, first->keycode);
  EXPECT_FALSE(again->needs_binding);
  EXPECT_EQ(scratch.Find(kEacute), first->keycode);
}

TEST(ScratchKeycodesTest, NeverRebindsAKeycodeThatTheRoundUses) {
  ScratchKeycodes scratch;
  scratch.SetSpareKeycodes({200, 201});
  scratch.BeginRound();
  ASSERT_TRUE(scratch.Assign(kEacute));
  ASSERT_TRUE(scratch.Assign(kEuro));
  // Both keycodes may still be waiting in a client's queue with their keysyms.
  EXPECT_FALSE(scratch.Assign(kZhe));
}

TEST(ScratchKeycodesTest, TakesTheKeycodeUsedLongestAgoInALaterRound) {
  ScratchKeycodes scratch;
  scratch.SetSpareKeycodes({200, 201});
  scratch.BeginRound();
  const int eacute = scratch.Assign(kEacute)->keycode;
  const int euro = scratch.Assign(kEuro)->keycode;
  scratch.BeginRound();
  scratch.Find(kEacute);
  scratch.BeginRound();
  const auto zhe = scratch.Assign(kZhe);
  ASSERT_TRUE(zhe);
  EXPECT_EQ(zhe->keycode, euro);
  EXPECT_TRUE(zhe->needs_binding);
  EXPECT_FALSE(scratch.Find(kEuro));
  EXPECT_EQ(scratch.Find(kEacute), eacute);
}

TEST(ScratchKeycodesTest, ForgetsBindingsOfKeycodesThatAreNoLongerSpare) {
  ScratchKeycodes scratch;
  scratch.SetSpareKeycodes({200, 201});
  scratch.BeginRound();
  const int eacute = scratch.Assign(kEacute)->keycode;
  const int other = eacute == 200 ? 201 : 200;
  scratch.SetSpareKeycodes({other});
  EXPECT_FALSE(scratch.Find(kEacute));
  EXPECT_FALSE(scratch.IsSpare(eacute));
  EXPECT_TRUE(scratch.IsSpare(other));
  EXPECT_TRUE(scratch.Bindings().empty());
}

TEST(ScratchKeycodesTest, ListsItsBindingsForUndoing) {
  ScratchKeycodes scratch;
  scratch.SetSpareKeycodes({200, 201, 202});
  scratch.BeginRound();
  scratch.Assign(kEacute);
  scratch.Assign(kZhe);
  const auto bindings = scratch.Bindings();
  ASSERT_EQ(bindings.size(), 2u);
  EXPECT_NE(bindings[0].keycode, bindings[1].keycode);
}

TEST(ScratchKeycodesTest, WithoutSpareKeycodesNothingIsAssigned) {
  ScratchKeycodes scratch;
  scratch.BeginRound();
  EXPECT_FALSE(scratch.Assign(kEacute));
  EXPECT_FALSE(scratch.Find(kEacute));
}

}  // namespace
}  // namespace keyloom
