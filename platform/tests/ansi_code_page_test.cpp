#include "platform/ansi_code_page.h"

#include <gtest/gtest.h>

#include <string>

namespace keyloom {
namespace {

TEST(Windows1252Test, DecodesTheHighControlRange) {
  const AnsiCodePage& code_page = Windows1252();
  EXPECT_EQ(code_page.Decode("\x80"), "\xe2\x82\xac");    // €
  EXPECT_EQ(code_page.Decode("\x92"), "\xe2\x80\x99");    // ’
  EXPECT_EQ(code_page.Decode("\x9f"), "\xc5\xb8");        // Ÿ
  EXPECT_EQ(code_page.Decode("\x81"), "\xc2\x81");        // undefined: kept as U+0081
  EXPECT_EQ(code_page.Decode("caf\xe9"), "caf\xc3\xa9");  // Latin-1 range
}

TEST(Windows1252Test, EveryByteRoundTrips) {
  const AnsiCodePage& code_page = Windows1252();
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = code_page.Decode(all);
  EXPECT_EQ(code_page.Encode(utf8), all);
  for (const char byte : {'\x81', '\x8d', '\x8f', '\x90', '\x9d'}) {
    const std::string one(1, byte);
    EXPECT_EQ(code_page.Encode(code_page.Decode(one)), one);
  }
}

TEST(Windows1252Test, RefusesCharactersWithoutAPlace) {
  const AnsiCodePage& code_page = Windows1252();
  EXPECT_EQ(code_page.Encode("\xd0\x96"), std::nullopt);           // Cyrillic
  EXPECT_EQ(code_page.Encode("a\xf0\x9f\x98\x80"), std::nullopt);  // emoji
  EXPECT_EQ(code_page.Encode("\xff"), std::nullopt);               // invalid UTF-8
  EXPECT_EQ(code_page.Encode("\xe2\x80\x9c"
                             "ok"),
            "\x93ok");
  EXPECT_EQ(code_page.Encode(""), "");
}

}  // namespace
}  // namespace keyloom
