#include "platform/key_char.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/key_event.h"
#include "platform/text.h"

namespace keyloom {
namespace {

struct PunctuationKey {
  int key_code;
  char plain;
  char shifted;
};

constexpr std::array<PunctuationKey, 15> kPunctuationKeys = {{
    {106, '*', '*'},  // keypad multiply
    {107, '+', '+'},  // keypad add
    {110, '.', '.'},  // keypad decimal point
    {111, '/', '/'},  // keypad divide
    {186, ';', ':'},
    {187, '=', '+'},
    {188, ',', '<'},
    {189, '-', '_'},
    {190, '.', '>'},
    {191, '/', '?'},
    {192, '~', '~'},  // the grave-accent key gives "~" either way
    {219, '[', '{'},
    {220, '\\', '|'},
    {221, ']', '}'},
    {222, '\'', '"'},
}};

constexpr int kFirstLetterKey = 65;  // A
constexpr int kLastLetterKey = 90;   // Z

constexpr int kFirstDigitKey = 48;     // 0
constexpr int kFirstKeypadDigit = 96;  // keypad 0
// What Shift and the digits 0 to 9 type on the US layout.
constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";

}  // namespace

std::string KeyCodeToChar(int key_code, int modifiers) {
  for (const PunctuationKey& key : kPunctuationKeys) {
    if (key.key_code == key_code) {
      return std::string(1, modifiers == kShiftMask ? key.shifted : key.plain);
    }
  }
  return {};
}

bool IsModifierKey(int key_code) {
  constexpr std::array<int, 15> kModifiers = {16,  17,  18,  20,  91,  92,  144, 145,
                                              160, 161, 162, 163, 164, 165, 0xE1};
  return std::find(kModifiers.begin(), kModifiers.end(), key_code) != kModifiers.end();
}

bool IsWordLetter(char32_t c) {
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
  if (c < 0xC0 || c == 0xD7 || c == 0xF7) return false;
  struct Range {
    char32_t first;
    char32_t last;
  };
  // General punctuation to miscellaneous symbols and arrows; CJK punctuation; the small,
  // half-width and full-width forms' punctuation; specials.
  constexpr Range kNotLetters[] = {{0x2000, 0x2BFF}, {0x3000, 0x303F}, {0xFE30, 0xFE6F},
                                   {0xFF00, 0xFF20}, {0xFF3B, 0xFF40}, {0xFF5B, 0xFF65},
                                   {0xFFF0, 0xFFFF}};
  for (const Range& range : kNotLetters) {
    if (c >= range.first && c <= range.last) return false;
  }
  return true;
}

std::string WordCharacter(int key_code, int modifiers, char32_t layout_char) {
  if (layout_char != 0) {
    std::string character;
    if (IsWordLetter(layout_char)) {
      AppendUtf8(character, layout_char);
      return ToLower(character);
    }
    for (const PunctuationKey& key : kPunctuationKeys) {
      if (static_cast<char32_t>(key.plain) == layout_char ||
          static_cast<char32_t>(key.shifted) == layout_char) {
        return std::string(1, static_cast<char>(layout_char));
      }
    }
    return character;
  }
  if (key_code >= kFirstLetterKey && key_code <= kLastLetterKey) {
    return std::string(1, static_cast<char>('a' + (key_code - kFirstLetterKey)));
  }
  return KeyCodeToChar(key_code, modifiers);
}

char32_t TypedCharacter(int key_code, int modifiers, char32_t layout_char) {
  if (layout_char != 0) return layout_char;
  if ((modifiers & (kCtrlMask | kAltMask)) != 0) return 0;
  if (key_code >= kFirstLetterKey && key_code <= kLastLetterKey) {
    return static_cast<char32_t>('a' + (key_code - kFirstLetterKey));
  }
  if (key_code >= kFirstDigitKey && key_code < kFirstDigitKey + 10) {
    const auto digit = static_cast<std::size_t>(key_code - kFirstDigitKey);
    return static_cast<char32_t>(modifiers == kShiftMask ? kShiftedDigits[digit] : '0' + digit);
  }
  if (key_code >= kFirstKeypadDigit && key_code < kFirstKeypadDigit + 10) {
    return static_cast<char32_t>('0' + (key_code - kFirstKeypadDigit));
  }
  if (key_code == kVkSpace) return ' ';
  const std::string punctuation = KeyCodeToChar(key_code, modifiers);
  return punctuation.empty() ? 0 : static_cast<char32_t>(punctuation.front());
}

}  // namespace keyloom
