#include "platform/x11/layout_characters.h"

#include <xkbcommon/xkbcommon.h>

#include <array>

namespace keyloom {
namespace {

struct UsKey {
  std::string_view name;
  char unshifted;
  char shifted;
};

constexpr std::array<UsKey, 47> kUsKeys = {{
    {"TLDE", '`', '~'},  {"AE01", '1', '!'},  {"AE02", '2', '@'}, {"AE03", '3', '#'},
    {"AE04", '4', '$'},  {"AE05", '5', '%'},  {"AE06", '6', '^'}, {"AE07", '7', '&'},
    {"AE08", '8', '*'},  {"AE09", '9', '('},  {"AE10", '0', ')'}, {"AE11", '-', '_'},
    {"AE12", '=', '+'},  {"AD01", 'q', 'Q'},  {"AD02", 'w', 'W'}, {"AD03", 'e', 'E'},
    {"AD04", 'r', 'R'},  {"AD05", 't', 'T'},  {"AD06", 'y', 'Y'}, {"AD07", 'u', 'U'},
    {"AD08", 'i', 'I'},  {"AD09", 'o', 'O'},  {"AD10", 'p', 'P'}, {"AD11", '[', '{'},
    {"AD12", ']', '}'},  {"BKSL", '\\', '|'}, {"AC01", 'a', 'A'}, {"AC02", 's', 'S'},
    {"AC03", 'd', 'D'},  {"AC04", 'f', 'F'},  {"AC05", 'g', 'G'}, {"AC06", 'h', 'H'},
    {"AC07", 'j', 'J'},  {"AC08", 'k', 'K'},  {"AC09", 'l', 'L'}, {"AC10", ';', ':'},
    {"AC11", '\'', '"'}, {"AB01", 'z', 'Z'},  {"AB02", 'x', 'X'}, {"AB03", 'c', 'C'},
    {"AB04", 'v', 'V'},  {"AB05", 'b', 'B'},  {"AB06", 'n', 'N'}, {"AB07", 'm', 'M'},
    {"AB08", ',', '<'},  {"AB09", '.', '>'},  {"AB10", '/', '?'},
}};

}  // namespace

bool IsUsGroup(const std::function<unsigned long(std::string_view key_name, int level)>& symbol) {
  for (const UsKey& key : kUsKeys) {
    // The keysyms of printable ASCII are the characters' codes.
    const auto unshifted = static_cast<unsigned long>(key.unshifted);
    const auto shifted = static_cast<unsigned long>(key.shifted);
    if (symbol(key.name, 0) != unshifted || symbol(key.name, 1) != shifted) return false;
    // Letters on AltGr (Polish) make a layout of its own, however US its first levels are.
    const unsigned long third = symbol(key.name, 2);
    if (third != 0 && third != unshifted && third != shifted) return false;
  }
  return true;
}

char32_t KeysymCharacter(unsigned long keysym) {
  return xkb_keysym_to_utf32(static_cast<xkb_keysym_t>(keysym));
}

}  // namespace keyloom
