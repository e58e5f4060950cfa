#include "platform/linux/virtual_keys.h"

#include <xkbcommon/xkbcommon-keysyms.h>

#include <string_view>
#include <utility>

#include "platform/key_event.h"

namespace keyloom {
namespace {

// Keys whose code does not follow from a range of keysyms.
constexpr std::pair<unsigned long, int> kNamedKeys[] = {
    {XKB_KEY_BackSpace, kVkBackspace},
    {XKB_KEY_Tab, kVkTab},
    {XKB_KEY_ISO_Left_Tab, kVkTab},
    {XKB_KEY_Clear, 12},
    {XKB_KEY_KP_Begin, 12},
    {XKB_KEY_Return, kVkEnter},
    {XKB_KEY_KP_Enter, kVkEnter},
    {XKB_KEY_Shift_L, kVkShift},
    {XKB_KEY_Shift_R, kVkShift},
    {XKB_KEY_Control_L, kVkControl},
    {XKB_KEY_Control_R, kVkControl},
    {XKB_KEY_Alt_L, kVkAlt},
    {XKB_KEY_Alt_R, kVkAlt},
    {XKB_KEY_Meta_L, kVkAlt},
    {XKB_KEY_Meta_R, kVkAlt},
    {XKB_KEY_ISO_Level3_Shift, kVkAlt},
    {XKB_KEY_Pause, 19},
    {XKB_KEY_Break, 19},
    {XKB_KEY_Caps_Lock, 20},
    {XKB_KEY_Escape, kVkEscape},
    {XKB_KEY_space, kVkSpace},
    {XKB_KEY_KP_Space, kVkSpace},
    {XKB_KEY_Prior, 33},
    {XKB_KEY_KP_Prior, 33},
    {XKB_KEY_Next, 34},
    {XKB_KEY_KP_Next, 34},
    {XKB_KEY_End, 35},
    {XKB_KEY_KP_End, 35},
    {XKB_KEY_Home, 36},
    {XKB_KEY_KP_Home, 36},
    {XKB_KEY_Left, 37},
    {XKB_KEY_KP_Left, 37},
    {XKB_KEY_Up, kVkUp},
    {XKB_KEY_KP_Up, kVkUp},
    {XKB_KEY_Right, 39},
    {XKB_KEY_KP_Right, 39},
    {XKB_KEY_Down, kVkDown},
    {XKB_KEY_KP_Down, kVkDown},
    {XKB_KEY_Select, 41},
    {XKB_KEY_Execute, 43},
    {XKB_KEY_Print, 44},
    {XKB_KEY_Insert, 45},
    {XKB_KEY_KP_Insert, 45},
    {XKB_KEY_Delete, 46},
    {XKB_KEY_KP_Delete, 46},
    {XKB_KEY_Help, 47},
    {XKB_KEY_Super_L, 91},
    {XKB_KEY_Super_R, 92},
    {XKB_KEY_Menu, 93},
    {XKB_KEY_KP_Multiply, 106},
    {XKB_KEY_KP_Add, 107},
    {XKB_KEY_KP_Separator, 108},
    {XKB_KEY_KP_Subtract, 109},
    {XKB_KEY_KP_Decimal, 110},
    {XKB_KEY_KP_Divide, 111},
    {XKB_KEY_Num_Lock, 144},
    {XKB_KEY_Scroll_Lock, 145},
    {XKB_KEY_semicolon, 186},
    {XKB_KEY_equal, 187},
    {XKB_KEY_comma, 188},
    {XKB_KEY_minus, 189},
    {XKB_KEY_period, 190},
    {XKB_KEY_slash, 191},
};

constexpr std::pair<unsigned long, int> kMorePunctuation[] = {
    {XKB_KEY_grave, 192},      {XKB_KEY_bracketleft, 219},
    {XKB_KEY_backslash, 220},  {XKB_KEY_bracketright, 221},
    {XKB_KEY_apostrophe, 222}, {XKB_KEY_less, 226},  // the extra key of ISO keyboards
};

// The US keyboard's code for each key of the alphanumeric block, by its XKB name.
constexpr std::pair<std::string_view, int> kUsPositions[] = {
    {"TLDE", 192}, {"AE01", '1'}, {"AE02", '2'}, {"AE03", '3'}, {"AE04", '4'}, {"AE05", '5'},
    {"AE06", '6'}, {"AE07", '7'}, {"AE08", '8'}, {"AE09", '9'}, {"AE10", '0'}, {"AE11", 189},
    {"AE12", 187}, {"AD01", 'Q'}, {"AD02", 'W'}, {"AD03", 'E'}, {"AD04", 'R'}, {"AD05", 'T'},
    {"AD06", 'Y'}, {"AD07", 'U'}, {"AD08", 'I'}, {"AD09", 'O'}, {"AD10", 'P'}, {"AD11", 219},
    {"AD12", 221}, {"BKSL", 220}, {"AC01", 'A'}, {"AC02", 'S'}, {"AC03", 'D'}, {"AC04", 'F'},
    {"AC05", 'G'}, {"AC06", 'H'}, {"AC07", 'J'}, {"AC08", 'K'}, {"AC09", 'L'}, {"AC10", 186},
    {"AC11", 222}, {"LSGT", 226}, {"AB01", 'Z'}, {"AB02", 'X'}, {"AB03", 'C'}, {"AB04", 'V'},
    {"AB05", 'B'}, {"AB06", 'N'}, {"AB07", 'M'}, {"AB08", 188}, {"AB09", 190}, {"AB10", 191},
};

bool IsDigitRow(std::string_view position) {
  const int code = UsKeyAt(position);
  return code >= '0' && code <= '9';
}

bool IsKeypadDigit(unsigned long keysym) {
  return (keysym >= XKB_KEY_KP_0 && keysym <= XKB_KEY_KP_9) || keysym == XKB_KEY_KP_Decimal ||
         keysym == XKB_KEY_KP_Separator;
}

}  // namespace

int UsKeyAt(std::string_view position) {
  for (const auto& [name, code] : kUsPositions) {
    if (name == position) return code;
  }
  return 0;
}

int VirtualKeyFromKeysym(unsigned long keysym) {
  if (keysym >= XKB_KEY_a && keysym <= XKB_KEY_z)
    return static_cast<int>('A' + (keysym - XKB_KEY_a));
  if (keysym >= XKB_KEY_A && keysym <= XKB_KEY_Z)
    return static_cast<int>('A' + (keysym - XKB_KEY_A));
  if (keysym >= XKB_KEY_0 && keysym <= XKB_KEY_9)
    return static_cast<int>('0' + (keysym - XKB_KEY_0));
  if (keysym >= XKB_KEY_F1 && keysym <= XKB_KEY_F24)
    return kVkF1 + static_cast<int>(keysym - XKB_KEY_F1);
  if (keysym >= XKB_KEY_KP_0 && keysym <= XKB_KEY_KP_9)
    return 96 + static_cast<int>(keysym - XKB_KEY_KP_0);
  for (const auto& [sym, code] : kNamedKeys) {
    if (sym == keysym) return code;
  }
  for (const auto& [sym, code] : kMorePunctuation) {
    if (sym == keysym) return code;
  }
  return 0;
}

int VirtualKeyForKey(const KeyDescription& key, bool num_lock) {
  if (num_lock && IsKeypadDigit(key.shifted)) return VirtualKeyFromKeysym(key.shifted);
  if (IsDigitRow(key.position)) return UsKeyAt(key.position);
  const int code = VirtualKeyFromKeysym(key.unshifted);
  if (code != 0 || key.unshifted == XKB_KEY_NoSymbol) return code;
  return UsKeyAt(key.position);
}

int ModifierMaskFromState(unsigned int state) {
  // The X11 core protocol's modifier bits, which IBus and XKB keep.
  constexpr unsigned int kShiftBit = 1u << 0, kControlBit = 1u << 2, kMod1Bit = 1u << 3;
  int mask = 0;
  if (state & kShiftBit) mask |= kShiftMask;
  if (state & kControlBit) mask |= kCtrlMask;
  if (state & kMod1Bit) mask |= kAltMask;
  return mask;
}

bool CapsLockFromState(unsigned int state) {
  constexpr unsigned int kLockBit = 1u << 1;
  return (state & kLockBit) != 0;
}

}  // namespace keyloom
