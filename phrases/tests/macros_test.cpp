#include "phrases/macros.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/fake/fake_clock.h"

namespace keyloom {
namespace {

class MacrosTest : public testing::Test {
 protected:
  MacrosTest() { clock_.set_now({2026, 12, 7, 15, 4, 5}); }

  std::string Expand(const std::string& text) {
    const ExpandedSendString result = ExpandMacros(text, clock_);
    EXPECT_EQ(result.run_command, std::nullopt) << text;
    return result.text;
  }

  FakeClock clock_;
};

struct MacroCase {
  std::string send_string;
  std::string expanded;
};

class MacroExpansionTest : public MacrosTest, public testing::WithParamInterface<MacroCase> {};

TEST_P(MacroExpansionTest, ReplacesMacros) {
  EXPECT_EQ(Expand(GetParam().send_string), GetParam().expanded);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MacroExpansionTest,
    testing::Values(
        MacroCase{"Today is %(date)% at %(Time)%.", "Today is 12/7/2026 at 3:04:05 PM."},
        MacroCase{"%(now)%", "12/7/2026 3:04:05 PM"}, MacroCase{"%(NOW)%", "12/7/2026 3:04:05 PM"},
        MacroCase{"%(longdate)%", "December 7, 2026"},
        MacroCase{"%(LONGDATE)%", "December 7, 2026"},
        MacroCase{"%(LongDate)% and %(time)%", "December 7, 2026 and 3:04:05 PM"},
        // An unknown name stays as the bare name, case kept.
        MacroCase{"a %(Unknown)% b", "a Unknown b"}, MacroCase{"%()%", ""},
        MacroCase{"no macros % ( ) here", "no macros % ( ) here"},
        // Nested: the name reaches the first ")%", and what it leaves is expanded again.
        MacroCase{"%(%(date)%)%", "12/7/2026"},
        // Unterminated, or closed before it opens: the rest stays literal.
        MacroCase{"50%(off", "50%(off"}, MacroCase{"a )% b %(date)%", "a )% b %(date)%"},
        MacroCase{"%(date)% then %(open", "12/7/2026 then %(open"},
        MacroCase{"x)%(date)%", "x)%(date)%"}));

TEST_F(MacrosTest, LongDateSpellsEveryMonthWithoutLeadingZero) {
  const char* const months[] = {"January",   "February", "March",    "April",
                                "May",       "June",     "July",     "August",
                                "September", "October",  "November", "December"};
  for (int month = 1; month <= 12; ++month) {
    EXPECT_EQ(LongDate({2027, month, 3}), std::string(months[month - 1]) + " 3, 2027");
  }
  EXPECT_EQ(LongDate({987, 1, 31}), "January 31, 0987");
}

TEST_F(MacrosTest, RunStopsExpansionAndGivesTheCommandAsWritten) {
  const ExpandedSendString result = ExpandMacros("before %(RuN=Calc.EXE /x)% %(date)%", clock_);
  EXPECT_EQ(result.run_command, "Calc.EXE /x");
}

TEST_F(MacrosTest, RunAfterEarlierMacros) {
  const ExpandedSendString result = ExpandMacros("%(date)% %(run=notepad)%", clock_);
  EXPECT_EQ(result.run_command, "notepad");
}

TEST_F(MacrosTest, RunWithoutPrefixIsNotAProgram) {
  EXPECT_EQ(Expand("%(runner)%"), "runner");
  EXPECT_EQ(Expand("%( run=x)%"), " run=x");
}

// Each step peels one "%(" ... ")%" pair off a deeply nested name.
std::string Nested(int depth) {
  std::string text;
  for (int i = 0; i < depth; ++i) text += "%(";
  text += "x";
  for (int i = 0; i < depth; ++i) text += ")%";
  return text;
}

TEST_F(MacrosTest, RunawayExpansionStopsAfterTheLimit) {
  constexpr int kDepth = kMaxMacroReplacements + 50;
  // Expansion stops once the count exceeds the limit: one replacement more than the limit.
  EXPECT_EQ(Expand(Nested(kDepth)), Nested(kDepth - kMaxMacroReplacements - 1));
}

TEST_F(MacrosTest, ExpansionWithinTheLimitRunsToTheEnd) {
  EXPECT_EQ(Expand(Nested(kMaxMacroReplacements)), "x");
}

struct CursorCase {
  std::string send_string;
  std::string text;
  std::optional<std::size_t> cursor;
};

class CursorMarkTest : public MacrosTest, public testing::WithParamInterface<CursorCase> {};

TEST_P(CursorMarkTest, IsTakenOutAndItsPlaceKept) {
  const ExpandedSendString result = ExpandMacros(GetParam().send_string, clock_);
  EXPECT_EQ(result.text, GetParam().text);
  EXPECT_EQ(result.cursor, GetParam().cursor);
}

INSTANTIATE_TEST_SUITE_P(Texts, CursorMarkTest,
                         testing::Values(CursorCase{"Dear %(cursor)%,", "Dear ,", 5},
                                         CursorCase{"no mark", "no mark", std::nullopt},
                                         // Macros before the mark move it by their values' length.
                                         CursorCase{"%(date)% %(CURSOR)% %(time)%",
                                                    "12/7/2026  3:04:05 PM", 10},
                                         // Only the first mark counts; every one is taken out.
                                         CursorCase{"a%(cursor)%b%(cursor)%c", "abc", 1},
                                         CursorCase{"%(cursor)%", "", 0}));

}  // namespace
}  // namespace keyloom
