#include "platform/x11/output_keysyms.h"

#include <gtest/gtest.h>

// After GoogleTest: the X headers define None and other plain names as macros.
#include <X11/keysym.h>

namespace keyloom {
namespace {

TEST(KeysymForNamedKeyTest, NamesTheKeys) {
  EXPECT_EQ(KeysymForNamedKey(NamedKey::kBackspace), XK_BackSpace);
  EXPECT_EQ(KeysymForNamedKey(NamedKey::kEnter), XK_Return);
  EXPECT_EQ(KeysymForNamedKey(NamedKey::kTab), XK_Tab);
  EXPECT_EQ(KeysymForNamedKey(NamedKey::kInsert), XK_Insert);
  EXPECT_EQ(KeysymForNamedKey(NamedKey::kPageDown), XK_Next);
  EXPECT_EQ(KeysymForNamedKey(NamedKey::kPageUp), XK_Prior);
  EXPECT_EQ(KeysymForNamedKey(NamedKey::kEscape), XK_Escape);
  EXPECT_EQ(KeysymForNamedKey(NamedKey::kAdd), XK_KP_Add);
  EXPECT_EQ(KeysymForNamedKey(NamedKey::kDivide), XK_KP_Divide);
}

TEST(KeysymForNamedKeyTest, FunctionKeysInOrder) {
  EXPECT_EQ(KeysymForNamedKey(NamedKey::kF1), XK_F1);
  EXPECT_EQ(KeysymForNamedKey(NamedKey::kF9), XK_F9);
  EXPECT_EQ(KeysymForNamedKey(NamedKey::kF12), XK_F12);
  EXPECT_EQ(KeysymForNamedKey(NamedKey::kF16), XK_F16);
}

TEST(KeysymForCharacterTest, LatinOneIsItsOwnKeysym) {
  EXPECT_EQ(KeysymForCharacter(U'a'), XK_a);
  EXPECT_EQ(KeysymForCharacter(U'~'), XK_asciitilde);
  EXPECT_EQ(KeysymForCharacter(U' '), XK_space);
  EXPECT_EQ(KeysymForCharacter(U'\u00e9'), XK_eacute);
  EXPECT_EQ(KeysymForCharacter(U'\u00a0'), XK_nobreakspace);
}

TEST(KeysymForCharacterTest, OtherCharactersUseUnicodeKeysyms) {
  EXPECT_EQ(KeysymForCharacter(U'\u20ac'), 0x010020acUL);
  EXPECT_EQ(KeysymForCharacter(U'\u0416'), 0x01000416UL);
  EXPECT_EQ(KeysymForCharacter(U'\U0001F600'), 0x0101F600UL);
}

TEST(CaseKeysymsOfTest, LettersOfEveryScriptWithTheirOtherCase) {
  struct Case {
    char32_t character;
    unsigned long lower;
    unsigned long upper;
  };
  const Case cases[] = {
      {U'v', XK_v, XK_V},
      {U'V', XK_v, XK_V},
      {U'\u00e9', XK_eacute, XK_Eacute},
      {U'\u0441', 0x1000441, 0x1000421},
      {U'\u0416', 0x1000436, 0x1000416},
      {U'\u4e00', 0x1004e00, 0x1004e00},
      {U'7', XK_7, XK_7},
  };
  for (const Case& c : cases) {
    const CaseKeysyms keysyms = CaseKeysymsOf(c.character);
    EXPECT_EQ(keysyms.lower, c.lower) << static_cast<unsigned long>(c.character);
    EXPECT_EQ(keysyms.upper, c.upper) << static_cast<unsigned long>(c.character);
  }
}

TEST(KeysymForCharacterTest, NothingTypesControlsOrInvalidCodePoints) {
  for (const char32_t c : {U'\0', U'\n', U'\x1f', U'\x7f', U'\x9f', char32_t{0xd800},
                           char32_t{0xdfff}, char32_t{0x110000}}) {
    EXPECT_EQ(KeysymForCharacter(c), 0UL) << static_cast<unsigned long>(c);
  }
}

}  // namespace
}  // namespace keyloom
