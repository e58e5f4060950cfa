#include "platform/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace keyloom {
namespace {

TEST(TrimSpacesTest, RemovesOnlySpaces) {
  EXPECT_EQ(TrimSpaces("  ab c  "), "ab c");
  EXPECT_EQ(TrimSpaces("\t a \n"), "\t a \n");
  EXPECT_EQ(TrimSpaces("   "), "");
  EXPECT_EQ(TrimSpaces(""), "");
}

TEST(CodePointTest, CountsCodePointsAndInvalidBytes) {
  EXPECT_EQ(CodePointCount(""), 0u);
  EXPECT_EQ(CodePointCount("abc"), 3u);
  EXPECT_EQ(CodePointCount("\xc3\xa9t\xc3\xa9"), 3u);  // été
  EXPECT_EQ(CodePointCount("\xf0\x9f\x98\x80"), 1u);   // emoji
  EXPECT_EQ(CodePointCount("a\xff\xc3"), 3u);          // two invalid bytes
  EXPECT_EQ(CodePointCount("\xe2\x82"), 2u);           // truncated sequence
  EXPECT_EQ(CodePointCount("\xc0\xaf"), 2u);           // overlong
  EXPECT_EQ(CodePointCount("\xed\xa0\x80"), 3u);       // surrogate
}

TEST(CodePointTest, DropsByCodePoint) {
  EXPECT_EQ(DropCodePoints("\xc3\xa9t\xc3\xa9", 1), "t\xc3\xa9");
  EXPECT_EQ(DropCodePoints("abc", 0), "abc");
  EXPECT_EQ(DropCodePoints("abc", 5), "");
}

TEST(Utf8Test, RoundTripsEveryPlane) {
  for (const char32_t c : {U'a', U'\u00e9', U'\u0416', U'\u20ac', U'\U0001F600', U'\U0010FFFF'}) {
    std::string encoded;
    AppendUtf8(encoded, c);
    EXPECT_TRUE(IsValidUtf8(encoded));
    std::size_t pos = 0;
    EXPECT_EQ(NextCodePoint(encoded, pos), c);
    EXPECT_EQ(pos, encoded.size());
  }
}

TEST(Utf8Test, RejectsInvalidInput) {
  EXPECT_TRUE(IsValidUtf8("plain \xef\xbf\xbd"));  // a real U+FFFD is valid
  EXPECT_FALSE(IsValidUtf8("\xff"));
  EXPECT_FALSE(IsValidUtf8("\xc3"));
  EXPECT_FALSE(IsValidUtf8("\xf4\x90\x80\x80"));  // beyond U+10FFFF
  std::string out;
  AppendUtf8(out, 0xD800);
  EXPECT_EQ(out, "\xef\xbf\xbd");
}

struct CaseMapping {
  std::string upper;
  std::string lower;
};

class CaseMappingTest : public testing::TestWithParam<CaseMapping> {};

TEST_P(CaseMappingTest, MapsBothWays) {
  EXPECT_EQ(ToLower(GetParam().upper), GetParam().lower);
  EXPECT_EQ(ToUpper(GetParam().lower), GetParam().upper);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, CaseMappingTest,
    testing::Values(CaseMapping{"ABC XYZ 09", "abc xyz 09"},
                    CaseMapping{"\xc3\x80\xc3\x89\xc3\x9e", "\xc3\xa0\xc3\xa9\xc3\xbe"},  // ÀÉÞ
                    CaseMapping{"\xc5\xb8", "\xc3\xbf"},                                  // Ÿ ÿ
                    CaseMapping{"\xc4\x80\xc5\x81\xc5\xbd", "\xc4\x81\xc5\x82\xc5\xbe"},  // ĀŁŽ
                    CaseMapping{"\xce\x91\xce\xa9\xce\x86", "\xce\xb1\xcf\x89\xce\xac"},  // ΑΩΆ
                    CaseMapping{"\xd0\x81\xd0\x96\xd0\xaf", "\xd1\x91\xd0\xb6\xd1\x8f"},  // ЁЖЯ
                    CaseMapping{"\xd2\x90", "\xd2\x91"}));                                // Ґ ґ

TEST(CaseMappingTest, LeavesCaselessTextAndInvalidBytes) {
  EXPECT_EQ(ToLower("\xc3\x97"), "\xc3\x97");  // ×
  EXPECT_EQ(ToUpper("\xc3\x9f"), "\xc3\x9f");  // ß has no single upper case
  EXPECT_EQ(ToLower("A\xffZ"), "a\xffz");
  EXPECT_EQ(ToUpper("\xcf\x82"), "\xce\xa3");  // final sigma
}

TEST(CompareNoCaseTest, OrdersFlagsAndLetters) {
  std::vector<std::string> lines = {"{T}x", "{s}y", "{F1}z", "{S}a", "{f}b"};
  std::sort(lines.begin(), lines.end(), LessNoCase);
  // Digits come before "}", so "{F1}" sorts before "{F}".
  EXPECT_EQ(lines, (std::vector<std::string>{"{F1}z", "{f}b", "{S}a", "{s}y", "{T}x"}));
}

TEST(CompareNoCaseTest, BreaksCaseTiesByBytes) {
  EXPECT_EQ(CompareNoCase("abc", "abc"), 0);
  EXPECT_LT(CompareNoCase("ABC", "abc"), 0);
  EXPECT_GT(CompareNoCase("abc", "ABC"), 0);
  // The case-insensitive difference decides before any case tie.
  EXPECT_LT(CompareNoCase("abc", "ABD"), 0);
  EXPECT_LT(CompareNoCase("ab", "ABC"), 0);
  EXPECT_LT(CompareNoCase("\xc3\xa9", "\xc3\x89x"), 0);  // é < Éx
  EXPECT_EQ(CompareNoCase("\xd0\x96", "\xd0\xb6") > 0, std::string("\xd0\x96") > "\xd0\xb6");
}

TEST(CompareNoCaseTest, IsATotalOrderOnMixedText) {
  std::vector<std::string> items = {"b", "B", "a", "A", "\xc3\xa9", "\xc3\x89", "", "_", "\xff"};
  std::sort(items.begin(), items.end(), LessNoCase);
  for (std::size_t i = 0; i + 1 < items.size(); ++i) {
    EXPECT_LT(CompareNoCase(items[i], items[i + 1]), 0) << i;
    EXPECT_GT(CompareNoCase(items[i + 1], items[i]), 0) << i;
  }
}

TEST(StartsWithNoCaseTest, MatchesPrefixesWithoutCase) {
  EXPECT_TRUE(StartsWithNoCase("Hello", "hE"));
  EXPECT_TRUE(StartsWithNoCase("\xd0\x96\xd0\xb0", "\xd0\xb6"));  // Жа starts with ж
  EXPECT_TRUE(StartsWithNoCase("abc", ""));
  EXPECT_FALSE(StartsWithNoCase("ab", "abc"));
  EXPECT_FALSE(StartsWithNoCase("abc", "b"));
}

}  // namespace
}  // namespace keyloom
