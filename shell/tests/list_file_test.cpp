#include "shell/list_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace keyloom {
namespace {

using Items = std::vector<std::string>;

const AnsiCodePage& CodePage() { return Windows1252(); }

struct EncodeCase {
  std::string name;
  ListLayout layout;
  Items items;
  std::string bytes;
};

class EncodeListFileTest : public testing::TestWithParam<EncodeCase> {};

TEST_P(EncodeListFileTest, WritesTheLayoutByteForByte) {
  const EncodeCase& c = GetParam();
  EXPECT_EQ(EncodeListFile(c.layout, c.items, CodePage()), c.bytes);
}

TEST_P(EncodeListFileTest, ReadsBackWhatItWrote) {
  const EncodeCase& c = GetParam();
  const std::string text = DecodeListFileText(c.bytes, CodePage());
  const Items read =
      c.layout == ListLayout::kPhrases ? ParsePhraseItems(text) : ParseWordItems(text, 0);
  // Only the leading spaces of the first item are lost, as the layout says.
  Items expected = c.items;
  if (!expected.empty()) expected.front().erase(0, expected.front().find_first_not_of(' '));
  EXPECT_EQ(read, expected);
}

const std::string kSample = "{S} - SP - This is a sample \r\nI hope you like it";

INSTANTIATE_TEST_SUITE_P(
    Layouts, EncodeListFileTest,
    testing::Values(
        EncodeCase{"PhrasesTwoItems",
                   ListLayout::kPhrases,
                   {"A", "B"},
                   "A\x01"
                   "B\x01\r\n"},
        EncodeCase{"PhrasesEmpty", ListLayout::kPhrases, {}, "\r\n"},
        EncodeCase{"PhrasesSendStringWithLineBreak",
                   ListLayout::kPhrases,
                   {kSample, "{T} - CU - %(run=calc.exe)%"},
                   kSample + "\x01{T} - CU - %(run=calc.exe)%\x01\r\n"},
        EncodeCase{"PhrasesLeadingSpacesOfFirstItemDropped",
                   ListLayout::kPhrases,
                   {"  A ", " B "},
                   "A \x01 B \x01\r\n"},
        EncodeCase{"WordsTwoItems", ListLayout::kWords, {"cat", "house"}, "cat\r\nhouse\r\n\r\n"},
        EncodeCase{"WordsEmpty", ListLayout::kWords, {}, "\r\n"},
        EncodeCase{"WordsLeadingSpacesDropped",
                   ListLayout::kWords,
                   {"  cat", " dog "},
                   "cat\r\n dog \r\n\r\n"},
        EncodeCase{
            "LatinStaysInTheCodePage", ListLayout::kWords, {"caf\xC3\xA9"}, "caf\xE9\r\n\r\n"},
        EncodeCase{"EuroSignStaysInTheCodePage",
                   ListLayout::kPhrases,
                   {"5 \xE2\x82\xAC"},
                   "5 \x80\x01\r\n"},
        EncodeCase{"CyrillicSwitchesToUtf8",
                   ListLayout::kWords,
                   {"caf\xC3\xA9", "\xD0\xB4\xD0\xBE\xD0\xBC"},
                   "\xEF\xBB\xBF"
                   "caf\xC3\xA9\r\n\xD0\xB4\xD0\xBE\xD0\xBC\r\n\r\n"},
        EncodeCase{"EmojiSwitchesToUtf8",
                   ListLayout::kPhrases,
                   {"hi \xF0\x9F\x98\x80"},
                   "\xEF\xBB\xBFhi \xF0\x9F\x98\x80\x01\r\n"}),
    [](const testing::TestParamInfo<EncodeCase>& case_info) { return case_info.param.name; });

struct DecodeCase {
  std::string name;
  std::string bytes;
  std::string text;
};

class DecodeListFileTextTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeListFileTextTest, ChoosesTheEncoding) {
  EXPECT_EQ(DecodeListFileText(GetParam().bytes, CodePage()), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, DecodeListFileTextTest,
    testing::Values(DecodeCase{"Ascii", "cat\r\n", "cat\r\n"},
                    DecodeCase{"CodePage", "caf\xE9\r\n", "caf\xC3\xA9\r\n"},
                    DecodeCase{"CodePageHighControls", "\x80\x93\x94",
                               "\xE2\x82\xAC\xE2\x80\x9C\xE2\x80\x9D"},
                    DecodeCase{"MarkedUtf8", "\xEF\xBB\xBF\xD0\xB4\r\n", "\xD0\xB4\r\n"},
                    DecodeCase{"MarkOnly", "\xEF\xBB\xBF", ""},
                    DecodeCase{"UnmarkedValidUtf8", "caf\xC3\xA9", "caf\xC3\xA9"},
                    DecodeCase{"UnmarkedInvalidUtf8", "\xC3\xA9\xE9", "\xC3\x83\xC2\xA9\xC3\xA9"},
                    DecodeCase{"Empty", "", ""}),
    [](const testing::TestParamInfo<DecodeCase>& case_info) { return case_info.param.name; });

struct PhraseCase {
  std::string name;
  std::string text;
  Items items;
};

class ParsePhraseItemsTest : public testing::TestWithParam<PhraseCase> {};

TEST_P(ParsePhraseItemsTest, TakesTheSeparatedPieces) {
  EXPECT_EQ(ParsePhraseItems(GetParam().text), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ParsePhraseItemsTest,
    testing::Values(PhraseCase{"NoSeparatorImportsNothing", "A\r\nB\r\n", {}},
                    PhraseCase{"TextAfterLastSeparatorNeverImported",
                               "A\x01"
                               "B",
                               {"A"}},
                    PhraseCase{"BlankPiecesSkipped",
                               "\x01   \x01"
                               "A\x01\x01\r\n",
                               {"A"}},
                    PhraseCase{"SurroundingSpacesKept", " A \x01\r\n", {" A "}},
                    PhraseCase{"LineBreaksAroundKept", "\r\nA\r\n\x01\r\n", {"\r\nA\r\n"}},
                    PhraseCase{"Empty", "", {}}),
    [](const testing::TestParamInfo<PhraseCase>& case_info) { return case_info.param.name; });

struct WordCase {
  std::string name;
  std::string text;
  long long min_length;
  Items items;
};

class ParseWordItemsTest : public testing::TestWithParam<WordCase> {};

TEST_P(ParseWordItemsTest, TakesTheLongEnoughLines) {
  EXPECT_EQ(ParseWordItems(GetParam().text, GetParam().min_length), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ParseWordItemsTest,
    testing::Values(
        WordCase{"ShortLineAndBlankLineSkipped", "cat\r\n  house\r\n\r\n", 4, {"  house"}},
        WordCase{"SpacesCountTowardsTheLength", "  cat\r\n", 4, {"  cat"}},
        WordCase{"LinesEndAtLineFeedAlone", "mouse\nhouse\n", 4, {"mouse", "house"}},
        WordCase{"LinesEndAtCarriageReturnAlone", "mouse\rhouse", 4, {"mouse", "house"}},
        WordCase{"LastLineWithoutEnd", "mouse\r\nhouse", 0, {"mouse", "house"}},
        WordCase{"BlankLinesSkipped", "\r\n   \n\r\n", 0, {}},
        WordCase{"LengthInCharactersNotBytes", "\xC3\xA9t\xC3\xA9\r\n", 3, {"\xC3\xA9t\xC3\xA9"}},
        WordCase{"TooShortInCharacters", "\xC3\xA9t\xC3\xA9\r\n", 4, {}},
        WordCase{"NegativeMinimumTakesEveryLine", "a\r\n", -5, {"a"}},
        WordCase{"PhraseFileYieldsItsLines",
                 "A\x01"
                 "B\x01\r\n",
                 0,
                 {"A\x01"
                  "B\x01"}}),
    [](const testing::TestParamInfo<WordCase>& case_info) { return case_info.param.name; });

}  // namespace
}  // namespace keyloom
