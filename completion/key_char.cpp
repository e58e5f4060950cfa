#include "completion/key_char.h"

#include <array>

#include "platform/key_event.h"

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

}  // namespace

std::string KeyCodeToChar(int key_code, int modifiers) {
  for (const PunctuationKey& key : kPunctuationKeys) {
    if (key.key_code == key_code) {
      return std::string(1, modifiers == kShiftMask ? key.shifted : key.plain);
    }
  }
  return {};
}

std::string WordCharacter(int key_code, int modifiers) {
  if (key_code >= kFirstLetterKey && key_code <= kLastLetterKey) {
    return std::string(1, static_cast<char>('a' + (key_code - kFirstLetterKey)));
  }
  return KeyCodeToChar(key_code, modifiers);
}

}  // namespace keyloom
