#include "platform/ibus/ibus_key_mapping.h"

#include <xkbcommon/xkbcommon.h>

#include <string_view>
#include <utility>

#include "platform/linux/virtual_keys.h"

namespace keyloom {
namespace {

constexpr unsigned int kShiftState = 1 << 0;
constexpr unsigned int kLockState = 1 << 1;
constexpr unsigned int kNumLockState = 1 << 4;

// The XKB names of the alphanumeric block by evdev code, as IBus numbers keys.
constexpr std::pair<unsigned int, std::string_view> kEvdevPositions[] = {
    {41, "TLDE"}, {2, "AE01"},  {3, "AE02"},  {4, "AE03"},  {5, "AE04"},  {6, "AE05"},
    {7, "AE06"},  {8, "AE07"},  {9, "AE08"},  {10, "AE09"}, {11, "AE10"}, {12, "AE11"},
    {13, "AE12"}, {16, "AD01"}, {17, "AD02"}, {18, "AD03"}, {19, "AD04"}, {20, "AD05"},
    {21, "AD06"}, {22, "AD07"}, {23, "AD08"}, {24, "AD09"}, {25, "AD10"}, {26, "AD11"},
    {27, "AD12"}, {43, "BKSL"}, {30, "AC01"}, {31, "AC02"}, {32, "AC03"}, {33, "AC04"},
    {34, "AC05"}, {35, "AC06"}, {36, "AC07"}, {37, "AC08"}, {38, "AC09"}, {39, "AC10"},
    {40, "AC11"}, {86, "LSGT"}, {44, "AB01"}, {45, "AB02"}, {46, "AB03"}, {47, "AB04"},
    {48, "AB05"}, {49, "AB06"}, {50, "AB07"}, {51, "AB08"}, {52, "AB09"}, {53, "AB10"},
};

std::string_view PositionOf(unsigned int evdev_code) {
  for (const auto& [code, name] : kEvdevPositions) {
    if (code == evdev_code) return name;
  }
  return {};
}

// What the key types with Shift as held and Caps Lock left out.
xkb_keysym_t WithoutCapsLock(xkb_keysym_t keysym, unsigned int state) {
  if ((state & kLockState) == 0) return keysym;
  return (state & kShiftState) != 0 ? xkb_keysym_to_upper(keysym) : xkb_keysym_to_lower(keysym);
}

// Like the X11 hook, what the layout types is told only where it is not what the US layout
// types with the key.
char32_t LayoutCharacter(const KeyDescription& key, unsigned int state) {
  const char32_t typed = xkb_keysym_to_utf32(WithoutCapsLock(key.shifted, state));
  if (typed < 0x20 || typed == 0x7F || key.position.empty()) return 0;
  const int code = VirtualKeyFromKeysym(key.unshifted);
  if (typed < 0x80 && code != 0 && code == UsKeyAt(key.position)) return 0;
  return typed;
}

}  // namespace

KeyEvent KeyEventFromReport(const KeyReport& key) {
  KeyDescription description;
  description.unshifted = xkb_keysym_to_lower(key.keyval);
  description.shifted = key.keyval;
  description.position = PositionOf(key.keycode);
  KeyEvent event;
  event.key_code = VirtualKeyForKey(description, (key.state & kNumLockState) != 0);
  event.modifiers = ModifierMaskFromState(key.state);
  event.caps_lock = CapsLockFromState(key.state);
  event.layout_char = LayoutCharacter(description, key.state);
  event.in_password_field = key.in_password_field;
  event.in_private_field = key.in_private_field;
  event.in_terminal = key.in_terminal;
  event.application = key.application;
  return event;
}

}  // namespace keyloom
