#include "platform/win32/system_code_page.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

constexpr unsigned kWestern = 1252;
constexpr unsigned kCyrillic = 1251;
constexpr unsigned kUtf8 = 65001;

TEST(SystemCodePageTest, WesternBytesDecodeAndEncodeBack) {
  const SystemCodePage code_page(kWestern);
  EXPECT_EQ(code_page.Decode("caf\xE9 \x80"), "caf\xC3\xA9 \xE2\x82\xAC");
  EXPECT_EQ(code_page.Encode("caf\xC3\xA9 \xE2\x82\xAC"), "caf\xE9 \x80");
}

TEST(SystemCodePageTest, CyrillicCodePageHoldsCyrillic) {
  const SystemCodePage code_page(kCyrillic);
  EXPECT_EQ(code_page.Decode("\xC6"), "\xD0\x96");
  EXPECT_EQ(code_page.Encode("\xD0\x96"), "\xC6");
}

struct Unmappable {
  const char* name;
  unsigned code_page;
  std::string utf8;
};

class SystemCodePageUnmappable : public ::testing::TestWithParam<Unmappable> {};

TEST_P(SystemCodePageUnmappable, EncodeFails) {
  EXPECT_EQ(SystemCodePage(GetParam().code_page).Encode(GetParam().utf8), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SystemCodePageUnmappable,
    ::testing::Values(Unmappable{"cyrillic_in_western", kWestern, "\xD0\x96"},
                      Unmappable{"emoji_in_western", kWestern, "\xF0\x9F\x98\x80"},
                      // a with macron has a "best fit" 'a' in 1252, which would change the text.
                      Unmappable{"best_fit_in_western", kWestern, "\xC4\x81"},
                      Unmappable{"accent_in_cyrillic", kCyrillic, "\xC3\xA9"},
                      Unmappable{"invalid_utf8", kWestern, "a\xFF"}),
    [](const auto& param_info) { return param_info.param.name; });

TEST(SystemCodePageTest, Utf8CodePageKeepsEveryCharacter) {
  const SystemCodePage code_page(kUtf8);
  EXPECT_EQ(code_page.Encode("\xD0\x96\xF0\x9F\x98\x80"), "\xD0\x96\xF0\x9F\x98\x80");
  EXPECT_EQ(code_page.Decode("\xD0\x96"), "\xD0\x96");
}

TEST(SystemCodePageTest, AsciiSurvivesTheSystemCodePage) {
  EXPECT_EQ(SystemAnsiCodePage().Encode("plain text"), "plain text");
  EXPECT_EQ(SystemAnsiCodePage().Decode("plain text"), "plain text");
}

}  // namespace
}  // namespace keyloom
