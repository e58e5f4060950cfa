#include "platform/key_char.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/key_event.h"

namespace keyloom {
namespace {

struct KeyCase {
  int key_code;
  int modifiers;
  std::string expected;
};

class WordCharacterTest : public testing::TestWithParam<KeyCase> {};

TEST_P(WordCharacterTest, GivesTheCharacterOfTheKey) {
  const KeyCase& c = GetParam();
  EXPECT_EQ(WordCharacter(c.key_code, c.modifiers), c.expected)
      << "key " << c.key_code << " modifiers " << c.modifiers;
}

constexpr int kCtrlShift = kCtrlMask | kShiftMask;
constexpr int kAltShift = kAltMask | kShiftMask;

INSTANTIATE_TEST_SUITE_P(Letters, WordCharacterTest,
                         testing::Values(KeyCase{65, 0, "a"}, KeyCase{90, 0, "z"},
                                         KeyCase{72, kShiftMask, "h"}, KeyCase{76, kCtrlMask, "l"},
                                         KeyCase{77, kCtrlShift, "m"}));

INSTANTIATE_TEST_SUITE_P(Punctuation, WordCharacterTest,
                         testing::Values(KeyCase{106, 0, "*"}, KeyCase{106, kShiftMask, "*"},
                                         KeyCase{107, 0, "+"}, KeyCase{107, kShiftMask, "+"},
                                         KeyCase{110, 0, "."}, KeyCase{110, kShiftMask, "."},
                                         KeyCase{111, 0, "/"}, KeyCase{111, kShiftMask, "/"},
                                         KeyCase{186, 0, ";"}, KeyCase{186, kShiftMask, ":"},
                                         KeyCase{187, 0, "="}, KeyCase{187, kShiftMask, "+"},
                                         KeyCase{188, 0, ","}, KeyCase{188, kShiftMask, "<"},
                                         KeyCase{189, 0, "-"}, KeyCase{189, kShiftMask, "_"},
                                         KeyCase{190, 0, "."}, KeyCase{190, kShiftMask, ">"},
                                         KeyCase{191, 0, "/"}, KeyCase{191, kShiftMask, "?"},
                                         KeyCase{192, 0, "~"}, KeyCase{192, kShiftMask, "~"},
                                         KeyCase{219, 0, "["}, KeyCase{219, kShiftMask, "{"},
                                         KeyCase{220, 0, "\\"}, KeyCase{220, kShiftMask, "|"},
                                         KeyCase{221, 0, "]"}, KeyCase{221, kShiftMask, "}"},
                                         KeyCase{222, 0, "'"}, KeyCase{222, kShiftMask, "\""}));

// Shift counts only alone: with Ctrl or Alt as well, the unshifted character.
INSTANTIATE_TEST_SUITE_P(ShiftWithOthers, WordCharacterTest,
                         testing::Values(KeyCase{186, kCtrlShift, ";"},
                                         KeyCase{222, kAltShift, "'"},
                                         KeyCase{189, kCtrlMask, "-"}));

INSTANTIATE_TEST_SUITE_P(NothingAdded, WordCharacterTest,
                         testing::Values(KeyCase{48, 0, ""},
                                         KeyCase{57, kShiftMask, ""},              // top-row digits
                                         KeyCase{96, 0, ""}, KeyCase{105, 0, ""},  // keypad digits
                                         KeyCase{109, 0, ""},                      // keypad minus
                                         KeyCase{kVkSpace, 0, ""}, KeyCase{kVkTab, 0, ""},
                                         KeyCase{kVkEnter, 0, ""}, KeyCase{kVkBackspace, 0, ""},
                                         KeyCase{kVkEscape, 0, ""},
                                         KeyCase{kVkShift, kShiftMask, ""}, KeyCase{kVkUp, 0, ""},
                                         KeyCase{kVkDown, 0, ""}, KeyCase{kVkF1, 0, ""},
                                         KeyCase{64, 0, ""}, KeyCase{91, 0, ""}));

// On layouts other than US the layout's character counts, whatever key code it came with.
TEST(WordCharacterTest, OtherLayoutsGiveTheirLettersInLowerCase) {
  struct LayoutCase {
    int key_code;
    char32_t layout_char;
    std::string expected;
  };
  const LayoutCase cases[] = {
      {186, U'ü', "ü"}, {186, U'Ü', "ü"},                    // German: the key right of P
      {50, U'é', "é"},  {55, U'è', "è"},                     // AZERTY's digit row, unshifted
      {49, U'&', ""},   {57, U'ç', "ç"},  {55, U'7', ""},    // digits and & add nothing
      {81, U'Я', "я"},  {87, U'ц', "ц"},  {219, U'х', "х"},  // Russian
      {90, U'y', "y"},  {89, U'Z', "z"},  // QWERTZ: the letter, not the key code's
      {189, U'-', "-"}, {191, U'#', ""},  {219, U'ß', "ß"},
      {69, U'€', ""},   {222, U'«', ""},  {65, U'ą', "ą"},  // AltGr on Polish
      {186, U'ñ', "ñ"}, {81, U'α', "α"},
  };
  for (const LayoutCase& c : cases) {
    EXPECT_EQ(WordCharacter(c.key_code, 0, c.layout_char), c.expected)
        << "key " << c.key_code << " char " << static_cast<std::uint32_t>(c.layout_char);
  }
}

TEST(KeyCodeToCharTest, LeavesLetterKeysToTheLetterRule) {
  EXPECT_EQ(KeyCodeToChar(65, 0), "");
  EXPECT_EQ(KeyCodeToChar(186, kShiftMask), ":");
}

}  // namespace
}  // namespace keyloom
