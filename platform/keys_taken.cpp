#include "platform/keys_taken.h"

#include <algorithm>
#include <array>

#include "platform/key_event.h"

namespace keyloom {
namespace {

constexpr auto kTakenKeys = [] {
  std::array<int, 26 + 10 + 1 + 11 + 16 + 6> keys{};
  std::size_t at = 0;
  for (int key = 'A'; key <= 'Z'; ++key) keys[at++] = key;
  for (int key = '0'; key <= '9'; ++key) keys[at++] = key;
  keys[at++] = kVkSpace;
  for (int key = 186; key <= 192; ++key) keys[at++] = key;
  for (int key = 219; key <= 222; ++key) keys[at++] = key;
  for (int key = 96; key <= 111; ++key) keys[at++] = key;  // the keypad's
  for (int key : {kVkBackspace, kVkEnter, kVkEscape, kVkUp, kVkDown, 226}) keys[at++] = key;
  return keys;
}();

}  // namespace

std::span<const int> TakenKeys() { return kTakenKeys; }

bool IsTakenKey(int key_code) {
  return std::ranges::find(kTakenKeys, key_code) != kTakenKeys.end();
}

}  // namespace keyloom
