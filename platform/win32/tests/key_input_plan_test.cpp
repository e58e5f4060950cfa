#include "platform/win32/key_input_plan.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/key_string.h"

namespace keyloom {
namespace {

constexpr int kLeftShift = 0xA0;
constexpr int kLeftCtrl = 0xA2;
constexpr int kLeftAlt = 0xA4;
using Kind = KeyInput::Kind;

class ScriptedKeyboard final : public KeyboardFacts {
 public:
  bool LogicallyDown(int vk) const override { return down.contains(vk); }
  bool PhysicallyHeld(int vk) const override { return held.contains(vk); }
  std::optional<int> KeyScan(char32_t c) const override {
    if (!latin_letters) return std::nullopt;
    // A US layout, enough for the tests: letters, digits and '+' on Shift+'='.
    if (c >= 'a' && c <= 'z') return static_cast<int>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z') return static_cast<int>(c) | 0x100;
    if (c == '+') return 0xBB | 0x100;
    return std::nullopt;
  }
  std::set<int> down;
  std::set<int> held;
  bool latin_letters = true;  // false: a Russian or Greek layout, where no key types "v"
};

class KeyInputPlanTest : public ::testing::Test {
 protected:
  KeyInputPlan Plan(std::string_view key_string) {
    const KeyActions actions = ParseKeyString(key_string);
    return PlanKeyInputs(actions, keyboard_, tags_);
  }
  KeyInput Vk(int code, bool up, bool extended = false) const {
    return {Kind::kVirtualKey, static_cast<std::uint16_t>(code), up, extended, tags_.typed};
  }
  KeyInput Unit(char16_t unit, bool up) const {
    return {Kind::kUnicode, static_cast<std::uint16_t>(unit), up, false, tags_.typed};
  }

  const InjectionTags tags_ = InjectionTags::ForProcess(7);
  ScriptedKeyboard keyboard_;
};

TEST_F(KeyInputPlanTest, PlainCharactersGoAsUnicodeInput) {
  const KeyInputPlan plan = Plan("a\xC3\xA9");
  EXPECT_TRUE(plan.complete);
  EXPECT_EQ(plan.inputs, (std::vector<KeyInput>{Unit(u'a', false), Unit(u'a', true),
                                                Unit(u'\u00E9', false), Unit(u'\u00E9', true)}));
}

TEST_F(KeyInputPlanTest, EmojiGoesAsASurrogatePair) {
  const KeyInputPlan plan = Plan("\xF0\x9F\x98\x80");
  EXPECT_EQ(plan.inputs, (std::vector<KeyInput>{Unit(0xD83D, false), Unit(0xD83D, true),
                                                Unit(0xDE00, false), Unit(0xDE00, true)}));
}

TEST_F(KeyInputPlanTest, NamedKeysGoAsVirtualKeys) {
  EXPECT_EQ(Plan("{ENTER}{INSERT}").inputs,
            (std::vector<KeyInput>{Vk(0x0D, false), Vk(0x0D, true), Vk(0x2D, false, true),
                                   Vk(0x2D, true, true)}));
}

TEST_F(KeyInputPlanTest, ChordsHoldTheirModifiersAroundTheKey) {
  EXPECT_EQ(Plan("+{INSERT}").inputs,
            (std::vector<KeyInput>{Vk(0x10, false), Vk(0x2D, false, true), Vk(0x2D, true, true),
                                   Vk(0x10, true)}));
}

TEST_F(KeyInputPlanTest, ACharacterChordTypesTheKeyOfTheLayout) {
  EXPECT_EQ(Plan("^{v}").inputs, (std::vector<KeyInput>{Vk(0x11, false), Vk('V', false),
                                                        Vk('V', true), Vk(0x11, true)}));
}

TEST_F(KeyInputPlanTest, ShortcutsOfLettersAndDigitsUseTheirVirtualKeysOnEveryLayout) {
  struct Case {
    const char* keys;
    std::vector<KeyInput> inputs;
  };
  const Case cases[] = {
      {"^{v}", {Vk(0x11, false), Vk('V', false), Vk('V', true), Vk(0x11, true)}},
      {"^V",
       {Vk(0x10, false), Vk(0x11, false), Vk('V', false), Vk('V', true), Vk(0x11, true),
        Vk(0x10, true)}},
      {"%1", {Vk(0x12, false), Vk('1', false), Vk('1', true), Vk(0x12, true)}},
  };
  for (const bool latin_letters : {true, false}) {
    keyboard_.latin_letters = latin_letters;
    for (const Case& c : cases) {
      EXPECT_EQ(Plan(c.keys).inputs, c.inputs) << c.keys << " latin " << latin_letters;
    }
  }
}

TEST_F(KeyInputPlanTest, ACharacterChordAddsTheShiftTheLayoutNeeds) {
  EXPECT_EQ(Plan("^{+}").inputs,
            (std::vector<KeyInput>{Vk(0x10, false), Vk(0x11, false), Vk(0xBB, false),
                                   Vk(0xBB, true), Vk(0x11, true), Vk(0x10, true)}));
}

TEST_F(KeyInputPlanTest, HeldModifiersAreReleasedAndTheStillHeldOnesPutBack) {
  keyboard_.down = {kLeftCtrl, kLeftShift};
  keyboard_.held = {kLeftCtrl};
  const KeyInputPlan plan = Plan("x");
  const KeyInput restore{Kind::kVirtualKey, kLeftCtrl, false, false, tags_.restore};
  EXPECT_EQ(plan.inputs, (std::vector<KeyInput>{Vk(kLeftShift, true), Vk(kLeftCtrl, true),
                                                Unit(u'x', false), Unit(u'x', true), restore}));
}

TEST_F(KeyInputPlanTest, AHeldAltIsUsedUpBeforeItsReleaseSoThatNoMenuOpens) {
  keyboard_.down = {kLeftAlt};
  const KeyInputPlan plan = Plan("x");
  ASSERT_GE(plan.inputs.size(), 3u);
  EXPECT_EQ(plan.inputs[0], Vk(kNeutralVirtualKey, false));
  EXPECT_EQ(plan.inputs[1], Vk(kNeutralVirtualKey, true));
  EXPECT_EQ(plan.inputs[2], Vk(kLeftAlt, true));
}

TEST_F(KeyInputPlanTest, NothingHeldMeansNothingReleased) {
  EXPECT_EQ(Plan("x").inputs.size(), 2u);
}

TEST_F(KeyInputPlanTest, ACharacterWithoutAPlaceIsReportedUntyped) {
  const KeyAction nothing = KeyAction::Character(0);
  const KeyAction surrogate = KeyAction::Character(0xD800);
  const KeyAction fine = KeyAction::Character(U'z');
  const KeyActions actions = {nothing, surrogate, fine};
  const KeyInputPlan plan = PlanKeyInputs(actions, keyboard_, tags_);
  EXPECT_FALSE(plan.complete);
  EXPECT_EQ(plan.inputs, (std::vector<KeyInput>{Unit(u'z', false), Unit(u'z', true)}));
}

TEST_F(KeyInputPlanTest, EveryInputCarriesTheProgramsTag) {
  keyboard_.down = {kLeftShift};
  for (const KeyInput& input : Plan("^{v}ab{TAB}").inputs) EXPECT_EQ(input.tag, tags_.typed);
}

}  // namespace
}  // namespace keyloom
