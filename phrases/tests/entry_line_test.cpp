#include "phrases/entry_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace keyloom {
namespace {

struct SplitCase {
  std::string line;
  std::string flags;
  std::string launch_keys;
  std::string send_string;
  bool complete;
};

class SplitEntryLineTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitEntryLineTest, GivesTrimmedFields) {
  const SplitCase& c = GetParam();
  const EntryParts parts = SplitEntryLine(c.line);
  EXPECT_EQ(parts.flags, c.flags);
  EXPECT_EQ(parts.launch_keys, c.launch_keys);
  EXPECT_EQ(parts.send_string, c.send_string);
  EXPECT_EQ(parts.complete, c.complete);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitEntryLineTest,
    testing::Values(SplitCase{"{S}{E} - TD - Today is %(date)% at %(Time)%.", "{S}{E}", "TD",
                              "Today is %(date)% at %(Time)%.", true},
                    // Only the first two hyphens separate.
                    SplitCase{"{S} - a - b - more - text", "{S}", "a", "b - more - text", true},
                    // A trailing space of the send string is lost; one before a line break stays.
                    SplitCase{"{S} - SP - one \r\ntwo  ", "{S}", "SP", "one \r\ntwo", true},
                    // Only spaces are trimmed: tabs and line breaks at the ends remain.
                    SplitCase{"\t{S} - x - y\r\n", "\t{S}", "x", "y\r\n", true},
                    SplitCase{"{S} - e - ", "{S}", "e", "", true},
                    SplitCase{"{F}-{Ctrl}{F9}-x", "{F}", "{Ctrl}{F9}", "x", true},
                    // Lines without both separators give what they have and are not complete.
                    SplitCase{"no separators here", "no separators here", "", "", false},
                    SplitCase{"{S} - only one", "{S}", "only one", "", false},
                    SplitCase{"", "", "", "", false}, SplitCase{"-", "", "", "", false},
                    SplitCase{"--", "", "", "", true}));

TEST(ComposeEntryLineTest, JoinsFieldsAsTyped) {
  EXPECT_EQ(ComposeEntryLine("td ", " Hello ", true, false, false), "{S} - td  -  Hello ");
  EXPECT_EQ(ComposeEntryLine("td", "x", false, true, false), "{T} - td - x");
  EXPECT_EQ(ComposeEntryLine("td", "x", false, false, false), " - td - x");
}

TEST(ComposeEntryLineTest, EnterFollowsTheKindMark) {
  EXPECT_EQ(ComposeEntryLine("td", "x", true, false, true), "{S}{E} - td - x");
  EXPECT_EQ(ComposeEntryLine("{F2}", "x", true, false, true), "{F}{E} - {F2} - x");
}

TEST(ComposeEntryLineTest, FunctionKeyInEitherCaseMakesAChordEntry) {
  EXPECT_EQ(ComposeEntryLine("{f9}", "x", false, true, false), "{F} - {f9} - x");
  EXPECT_EQ(ComposeEntryLine("{F12}", "x", true, false, false), "{F} - {F12} - x");
  // A modifier in front keeps the selected option's mark; the detector treats it alike.
  EXPECT_EQ(ComposeEntryLine("{Ctrl}{F9}", "x", false, true, false), "{T} - {Ctrl}{F9} - x");
  // Only the keys as typed count: a leading space hides the function key.
  EXPECT_EQ(ComposeEntryLine(" {F9}", "x", true, false, false), "{S} -  {F9} - x");
}

TEST(ComposeEntryLineTest, EmptySendStringEndsInSeparatorAndReadsBackEmpty) {
  const std::string line = ComposeEntryLine("ab", "", true, false, false);
  EXPECT_EQ(line, "{S} - ab - ");
  EXPECT_EQ(SplitEntryLine(line).send_string, "");
}

TEST(ComposeEntryLineTest, HyphenInLaunchKeysMovesTheRestIntoTheSendString) {
  const EntryParts parts = SplitEntryLine(ComposeEntryLine("a-b", "text", true, false, false));
  EXPECT_EQ(parts.flags, "{S}");
  EXPECT_EQ(parts.launch_keys, "a");
  EXPECT_EQ(parts.send_string, "b - text");
}

TEST(ComposeEntryLineTest, LineBreakSurvivesComposeAndSplit) {
  const EntryParts parts =
      SplitEntryLine(ComposeEntryLine("sp", "first \r\nsecond", true, false, false));
  EXPECT_EQ(parts.send_string, "first \r\nsecond");
}

struct FlagCase {
  std::string flags;
  bool space_ended;
  bool tab_ended;
  bool wants_enter;
};

class FlagTestsTest : public testing::TestWithParam<FlagCase> {};

TEST_P(FlagTestsTest, LookAtTheFirstAndLastThreeCharactersExactly) {
  const FlagCase& c = GetParam();
  EXPECT_EQ(IsSpaceEnded(c.flags), c.space_ended) << c.flags;
  EXPECT_EQ(IsTabEnded(c.flags), c.tab_ended) << c.flags;
  EXPECT_EQ(WantsEnter(c.flags), c.wants_enter) << c.flags;
}

INSTANTIATE_TEST_SUITE_P(
    Flags, FlagTestsTest,
    testing::Values(FlagCase{"{S}", true, false, false}, FlagCase{"{S}{E}", true, false, true},
                    FlagCase{"{T}", false, true, false}, FlagCase{"{T}{E}", false, true, true},
                    FlagCase{"{F}", false, false, false}, FlagCase{"{F}{E}", false, false, true},
                    FlagCase{"{E}{S}", false, false, false},
                    FlagCase{"{s}{e}", false, false, false}, FlagCase{"", false, false, false}));

TEST(EntryLaunchKeysTest, TakesTheSecondPieceTrimmedAndLowerCased) {
  EXPECT_EQ(EntryLaunchKeys("{S}{E} - TD - Today"), "td");
  EXPECT_EQ(EntryLaunchKeys("{F} - {Ctrl}{F9} - x - y"), "{ctrl}{f9}");
  EXPECT_EQ(EntryLaunchKeys("{S} - a-b - x"), "a");
  EXPECT_EQ(EntryLaunchKeys("{S} - rest"), "rest");
  EXPECT_EQ(EntryLaunchKeys("{S} - ÄÖ - x"), "äö");
}

TEST(EntryLaunchKeysTest, LineWithoutHyphenHasNone) {
  EXPECT_EQ(EntryLaunchKeys("no hyphen"), std::nullopt);
  EXPECT_EQ(EntryLaunchKeys(""), std::nullopt);
}

}  // namespace
}  // namespace keyloom
