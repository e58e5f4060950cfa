#include "platform/win32/hook_filter.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace keyloom {
namespace {

constexpr int kLeftShift = 0xA0;
constexpr int kLeftCtrl = 0xA2;
constexpr int kRightAlt = 0xA5;
constexpr int kF9 = 0x78;
constexpr int kLetterA = 0x41;

class RecordingHandler final : public KeyHandler {
 public:
  void HandleKey(KeyEvent& event) override {
    events.push_back(event);
    if (event.key_code == withhold_code) event.discard = true;
    if (event.key_code == throw_code) throw std::runtime_error("handler fault");
  }
  std::vector<KeyEvent> events;
  int withhold_code = -1;
  int throw_code = -1;
};

class HookFilterTest : public ::testing::Test {
 protected:
  bool Key(int vk, bool down, std::uintptr_t extra = 0, bool injected = false, int modifiers = 0) {
    return filter_.Filter({vk, down, injected || extra != 0, extra}, modifiers, &handler_);
  }

  const InjectionTags tags_ = InjectionTags::ForProcess(42);
  KeyboardState state_;
  HookFilter filter_{state_, tags_};
  RecordingHandler handler_;
};

TEST_F(HookFilterTest, ReportsKeyDownsWithTheirModifiers) {
  EXPECT_FALSE(Key(kF9, true, 0, false, kCtrlMask));
  ASSERT_EQ(handler_.events.size(), 1u);
  EXPECT_EQ(handler_.events[0].key_code, kF9);
  EXPECT_EQ(handler_.events[0].modifiers, kCtrlMask);
}

TEST_F(HookFilterTest, KeyUpsAreNotReported) {
  Key(kLetterA, false);
  EXPECT_TRUE(handler_.events.empty());
}

TEST_F(HookFilterTest, WithholdsWhatTheHandlerDiscards) {
  handler_.withhold_code = kF9;
  EXPECT_TRUE(Key(kF9, true));
  EXPECT_FALSE(Key(kLetterA, true));
}

TEST_F(HookFilterTest, OwnInputIsIgnoredButOthersInjectedInputIsReported) {
  Key(kLeftShift, true);
  handler_.events.clear();
  EXPECT_FALSE(Key(kLetterA, true, tags_.typed));
  EXPECT_FALSE(Key(kLeftShift, true, tags_.restore));
  EXPECT_TRUE(handler_.events.empty());
  const InjectionTags other = InjectionTags::ForProcess(43);
  Key(kLetterA, true, other.typed);
  EXPECT_EQ(handler_.events.size(), 1u);
}

struct ReportedCode {
  int virtual_key;
  int reported;
};

class HookFilterReportedCode : public ::testing::TestWithParam<ReportedCode> {};

TEST_P(HookFilterReportedCode, SideSpecificModifiersReportTheirCommonCode) {
  EXPECT_EQ(ReportedKeyCode(GetParam().virtual_key), GetParam().reported);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, HookFilterReportedCode,
    ::testing::Values(ReportedCode{0xA0, kVkShift}, ReportedCode{0xA1, kVkShift},
                      ReportedCode{0xA2, kVkControl}, ReportedCode{0xA3, kVkControl},
                      ReportedCode{0xA4, kVkAlt}, ReportedCode{0xA5, kVkAlt},
                      ReportedCode{kVkTab, kVkTab}, ReportedCode{kLetterA, kLetterA}));

TEST_F(HookFilterTest, FollowsOnlyTheUsersOwnModifierKeys) {
  Key(kLeftCtrl, true);
  EXPECT_TRUE(state_.held.Held(kLeftCtrl));
  // The program's own release while the user holds the key changes nothing.
  Key(kLeftCtrl, false, tags_.typed);
  EXPECT_TRUE(state_.held.Held(kLeftCtrl));
  Key(kLeftCtrl, false);
  EXPECT_FALSE(state_.held.Held(kLeftCtrl));
}

TEST_F(HookFilterTest, RestoreOfAModifierStillHeldPasses) {
  Key(kRightAlt, true);
  EXPECT_FALSE(Key(kRightAlt, true, tags_.restore));
}

TEST_F(HookFilterTest, RestoreOfAModifierLetGoMeanwhileIsDropped) {
  Key(kLeftShift, true);
  Key(kLeftShift, false);
  EXPECT_TRUE(Key(kLeftShift, true, tags_.restore));
}

TEST_F(HookFilterTest, WhileOutputWaitsTheUsersKeysAreHeldBackAndReportedWhenSentAgain) {
  state_.output_waiting = true;
  EXPECT_TRUE(Key(kLetterA, true));
  EXPECT_TRUE(Key(kLeftShift, true));
  EXPECT_TRUE(Key(kLetterA, false));
  EXPECT_FALSE(Key(kLetterA, true, tags_.typed));
  EXPECT_TRUE(handler_.events.empty());
  ASSERT_EQ(state_.held_back.size(), 3u);
  EXPECT_EQ(state_.held_back[1].virtual_key, kLeftShift);
  EXPECT_FALSE(state_.held_back[2].down);
  // The user's Shift is followed when pressed, not when sent again.
  EXPECT_TRUE(state_.held.Held(kLeftShift));

  state_.output_waiting = false;
  handler_.withhold_code = kLetterA;
  EXPECT_TRUE(Key(kLetterA, true, tags_.replayed, true, kShiftMask));
  ASSERT_EQ(handler_.events.size(), 1u);
  EXPECT_EQ(handler_.events[0].modifiers, kShiftMask);
}

TEST_F(HookFilterTest, HeldBackKeysAreSentOnceTheProgramsInputHasComeThrough) {
  int sends = 0;
  state_.send_held_back = [&] { ++sends; };
  state_.in_flight = 2;
  EXPECT_TRUE(Key(kLetterA, true));
  EXPECT_FALSE(Key(kLetterA, true, tags_.typed));
  EXPECT_TRUE(Key(kLetterA, false));
  EXPECT_EQ(sends, 0);
  EXPECT_FALSE(Key(kLetterA, false, tags_.typed));
  EXPECT_EQ(sends, 1);
  EXPECT_EQ(state_.held_back.size(), 2u);
  EXPECT_TRUE(handler_.events.empty());
}

TEST_F(HookFilterTest, AFaultInTheHandlerLetsTheKeyThrough) {
  handler_.throw_code = kLetterA;
  EXPECT_FALSE(Key(kLetterA, true));
}

TEST_F(HookFilterTest, WithoutAHandlerNothingIsWithheld) {
  EXPECT_FALSE(filter_.Filter({kF9, true, false, 0}, 0, nullptr));
}

}  // namespace
}  // namespace keyloom
