#include "platform/key_string.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/fake/fake_keystroke_output.h"
#include "platform/key_event.h"
#include "platform/keystroke_output.h"
#include "platform/text.h"

namespace keyloom {
namespace {

std::string Render(const KeyActions& actions) {
  std::string out;
  for (const KeyAction& action : actions) out += "[" + RenderKeyAction(action) + "]";
  return out;
}

struct Case {
  std::string input;
  std::string expected;  // each action rendered in brackets
};

void PrintTo(const Case& c, std::ostream* os) { *os << '"' << c.input << '"'; }

class KeyStringTest : public testing::TestWithParam<Case> {};

TEST_P(KeyStringTest, ParsesToActions) {
  EXPECT_EQ(Render(ParseKeyString(GetParam().input)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    NamedKeys, KeyStringTest,
    testing::Values(Case{"{BACKSPACE}{BS}{BKSP}", "[{BACKSPACE}][{BACKSPACE}][{BACKSPACE}]"},
                    Case{"{backspace}{Bs}{bKsP}", "[{BACKSPACE}][{BACKSPACE}][{BACKSPACE}]"},
                    Case{"{BREAK}{CAPSLOCK}", "[{BREAK}][{CAPSLOCK}]"},
                    Case{"{DELETE}{del}", "[{DELETE}][{DELETE}]"},
                    Case{"{DOWN}{END}{ENTER}{enter}", "[{DOWN}][{END}][{ENTER}][{ENTER}]"},
                    Case{"{ESC}{HELP}{HOME}", "[{ESC}][{HELP}][{HOME}]"},
                    Case{"{INSERT}{ins}", "[{INSERT}][{INSERT}]"},
                    Case{"{LEFT}{NUMLOCK}{PGDN}{PGUP}", "[{LEFT}][{NUMLOCK}][{PGDN}][{PGUP}]"},
                    Case{"{PRTSC}{RIGHT}{SCROLLLOCK}", "[{PRTSC}][{RIGHT}][{SCROLLLOCK}]"},
                    Case{"{TAB}{UP}", "[{TAB}][{UP}]"},
                    Case{"{F1}{f2}{F3}{F4}{F5}{F6}{F7}{F8}",
                         "[{F1}][{F2}][{F3}][{F4}][{F5}][{F6}][{F7}][{F8}]"},
                    Case{"{F9}{F10}{F11}{F12}{F13}{F14}{F15}{F16}",
                         "[{F9}][{F10}][{F11}][{F12}][{F13}][{F14}][{F15}][{F16}]"},
                    Case{"{ADD}{SUBTRACT}{multiply}{Divide}",
                         "[{ADD}][{SUBTRACT}][{MULTIPLY}][{DIVIDE}]"}));

INSTANTIATE_TEST_SUITE_P(
    PlainText, KeyStringTest,
    testing::Values(Case{"", ""}, Case{"ab c", "[a][b][ ][c]"}, Case{"a\rb", "[a][{ENTER}][b]"},
                    Case{"a\nb", "[a][{ENTER}][b]"}, Case{"a\r\nb", "[a][{ENTER}][b]"},
                    Case{"\r\n\r\n", "[{ENTER}][{ENTER}]"}, Case{"\n\r", "[{ENTER}][{ENTER}]"},
                    Case{"a\tb", "[a][{TAB}][b]"}, Case{"~", "[{ENTER}]"},
                    Case{"a~b", "[a][{ENTER}][b]"}, Case{"é", "[é]"},
                    Case{"Привет", "[П][р][и][в][е][т]"}, Case{"😀!", "[😀][!]"}, Case{"}", "[}]"}));

INSTANTIATE_TEST_SUITE_P(Repeats, KeyStringTest,
                         testing::Values(Case{"{LEFT 3}", "[{LEFT}][{LEFT}][{LEFT}]"},
                                         Case{"{x 5}", "[x][x][x][x][x]"}, Case{"{left 0}a", "[a]"},
                                         Case{"{+ 2}", "[+][+]"}, Case{"{é 2}", "[é][é]"},
                                         Case{"+{TAB 2}", "[+{TAB}][+{TAB}]"},
                                         Case{"{x 03}", "[x][x][x]"}));

INSTANTIATE_TEST_SUITE_P(Modifiers, KeyStringTest,
                         testing::Values(Case{"+a", "[+a]"}, Case{"^v", "[^v]"},
                                         Case{"^{v}", "[^v]"}, Case{"%f", "[%f]"},
                                         Case{"+{INSERT}", "[+{INSERT}]"},
                                         Case{"+^{F9}", "[+^{F9}]"},
                                         Case{"%^{DEL}", "[^%{DELETE}]"}, Case{"+ab", "[+a][b]"},
                                         Case{"+(ab)c", "[+a][+b][c]"}, Case{"^(a+b)", "[^a][+^b]"},
                                         Case{"+(a(b)c)d", "[+a][+b][+c][d]"},
                                         Case{"(ab)", "[a][b]"}, Case{"+~", "[+{ENTER}]"},
                                         Case{"+\r\n", "[+{ENTER}]"}, Case{"+()a", "[a]"}));

INSTANTIATE_TEST_SUITE_P(LiteralSpecials, KeyStringTest,
                         testing::Values(Case{"{+}{^}{%}{~}", "[+][^][%][~]"},
                                         Case{"{(}{)}", "[(][)]"}, Case{"{{}{}}", "[{][}]"},
                                         Case{"{[}{]}", "[[][]]"}, Case{"^{+}", "[^+]"},
                                         Case{"({)})", "[)]"}, Case{"{ }", "[ ]"}));

// Whatever cannot be read is typed as it is written.
INSTANTIATE_TEST_SUITE_P(
    Unreadable, KeyStringTest,
    testing::Values(Case{"{BOGUS}", "[{][B][O][G][U][S][}]"},
                    Case{"+{BOGUS}", "[+][{][B][O][G][U][S][}]"}, Case{"{LEFT", "[{][L][E][F][T]"},
                    Case{"{", "[{]"}, Case{"{}", "[{][}]"}, Case{"a+", "[a][+]"},
                    Case{"+^", "[+][^]"}, Case{"%", "[%]"}, Case{"+(ab", "[+][(][a][b]"},
                    Case{"(a", "[(][a]"}, Case{"a)b", "[a][)][b]"}, Case{"(a+)", "[a][+]"},
                    Case{"{LEFT x}", "[{][L][E][F][T][ ][x][}]"}, Case{"((a)", "[(][a]"},
                    Case{"{ab}", "[{][a][b][}]"}, Case{"{ıns}", "[{][ı][n][s][}]"}));

TEST(KeyStringCapTest, RepeatCountIsCapped) {
  EXPECT_EQ(ParseKeyString("{x 5000}").size(), static_cast<std::size_t>(kMaxKeyRepeat));
  EXPECT_EQ(ParseKeyString("{LEFT 99999999999999999999999999}").size(),
            static_cast<std::size_t>(kMaxKeyRepeat));
}

TEST(KeyStringTotalityTest, InvalidUtf8TypesReplacementCharacters) {
  const KeyActions actions = ParseKeyString("a\xff\xc3z");
  ASSERT_EQ(actions.size(), 4u);
  EXPECT_EQ(actions[1], KeyAction::Character(0xFFFD));
  EXPECT_EQ(actions[2], KeyAction::Character(0xFFFD));
  EXPECT_EQ(actions[3], KeyAction::Character('z'));
}

TEST(KeyStringTotalityTest, DeeplyNestedUnclosedGroupsTypeThemselves) {
  const std::string input(20000, '(');
  const KeyActions actions = ParseKeyString(input);
  ASSERT_EQ(actions.size(), input.size());
  for (const KeyAction& action : actions) EXPECT_EQ(action, KeyAction::Character('('));
}

TEST(KeyStringTotalityTest, DeeplyNestedGroupsDoNotExhaustTheStack) {
  constexpr std::size_t kDepth = 300000;
  const std::string input = std::string(kDepth, '(') + "+a" + std::string(kDepth, ')');
  EXPECT_EQ(ParseKeyString(input), KeyActions{KeyAction::Character('a', kShiftMask)});
}

TEST(KeyStringTotalityTest, RandomInputIsAlwaysRead) {
  // Every byte yields at most one action unless a brace repeats it.
  std::mt19937 random(7);
  const std::string alphabet = "+^%~(){}[] aZ9\r\n\t\xc3\xa9\xff";
  for (int round = 0; round < 2000; ++round) {
    std::string input;
    const int length = static_cast<int>(random() % 40);
    for (int i = 0; i < length; ++i) input += alphabet[random() % alphabet.size()];
    const KeyActions actions = ParseKeyString(input);
    EXPECT_LE(actions.size(), input.size() * static_cast<std::size_t>(kMaxKeyRepeat) + 1) << input;
  }
  for (int round = 0; round < 500; ++round) {
    std::string input;
    for (int i = 0; i < 64; ++i) input += static_cast<char>(random() % 256);
    ParseKeyString(input);
  }
}

TEST(KeyStringTotalityTest, PlainTextTypesEveryCodePoint) {
  const std::string input = "Hello, world! \xc3\xa9t\xc3\xa9 \xd0\x96";
  const KeyActions actions = ParseKeyString(input);
  std::string typed;
  for (const KeyAction& action : actions) {
    ASSERT_EQ(action.kind, KeyAction::Kind::kCharacter);
    ASSERT_EQ(action.modifiers, 0);
    AppendUtf8(typed, action.character);
  }
  EXPECT_EQ(typed, input);
}

TEST(TypeKeyStringTest, SendsTheParsedActions) {
  FakeKeystrokeOutput output;
  EXPECT_TRUE(TypeKeyString(output, "ab{BACKSPACE}^v+{INSERT}~"));
  EXPECT_EQ(output.TypedText(), "ab{BACKSPACE}^v+{INSERT}{ENTER}");
  EXPECT_EQ(output.send_count(), 1);
}

TEST(TypeKeyStringTest, ReportsAFailedSend) {
  FakeKeystrokeOutput output;
  output.set_fails(true);
  EXPECT_FALSE(TypeKeyString(output, "a"));
  EXPECT_TRUE(output.actions().empty());
}

TEST(TypeKeyStringTest, EmptyStringTypesNothing) {
  FakeKeystrokeOutput output;
  EXPECT_TRUE(TypeKeyString(output, ""));
  EXPECT_EQ(output.send_count(), 0);
}

}  // namespace
}  // namespace keyloom

namespace keyloom {
namespace {

TEST(IsPasteKeyTest, CtrlVAndShiftInsertInAnyCaseWithAnyOtherModifier) {
  struct PasteCase {
    const char* keys;
    bool paste;
  };
  const PasteCase cases[] = {{"^{v}", true},      {"^V", true},         {"+^v", true},
                             {"+{INSERT}", true}, {"^+{INSERT}", true}, {"v", false},
                             {"%v", false},       {"{INSERT}", false},  {"^{INSERT}", false},
                             {"^c", false},       {"+v", false}};
  for (const PasteCase& c : cases) {
    const KeyActions actions = ParseKeyString(c.keys);
    ASSERT_EQ(actions.size(), 1u) << c.keys;
    EXPECT_EQ(IsPasteKey(actions[0]), c.paste) << c.keys;
  }
}

}  // namespace
}  // namespace keyloom
