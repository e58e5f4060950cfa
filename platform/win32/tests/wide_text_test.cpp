#include "platform/win32/wide_text.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

struct RoundTrip {
  const char* name;
  std::string utf8;
  std::wstring wide;
};

class WideTextRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(WideTextRoundTrip, ConvertsBothWays) {
  EXPECT_EQ(Utf8ToWide(GetParam().utf8), GetParam().wide);
  EXPECT_EQ(WideToUtf8(GetParam().wide), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WideTextRoundTrip,
    ::testing::Values(RoundTrip{"empty", "", L""}, RoundTrip{"ascii", "Hello", L"Hello"},
                      RoundTrip{"accented", "caf\xC3\xA9", L"caf\u00E9"},
                      RoundTrip{"cyrillic", "\xD0\x96\xD1\x83\xD0\xBA", L"\u0416\u0443\u043A"},
                      // An emoji takes a surrogate pair in UTF-16.
                      RoundTrip{"emoji", "\xF0\x9F\x98\x80", L"\xD83D\xDE00"},
                      RoundTrip{"embedded_zero", std::string("a\0b", 3), std::wstring(L"a\0b", 3)}),
    [](const auto& param_info) { return param_info.param.name; });

TEST(WideTextTest, InvalidUtf8BecomesReplacementCharacters) {
  EXPECT_EQ(Utf8ToWide("a\xFF"
                       "b"),
            L"a\uFFFDb");
}

TEST(WideTextTest, LoneSurrogateBecomesReplacementCharacter) {
  EXPECT_EQ(WideToUtf8(std::wstring(L"x") + static_cast<wchar_t>(0xD800)), "x\xEF\xBF\xBD");
}

}  // namespace
}  // namespace keyloom
