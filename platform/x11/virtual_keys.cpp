#include "platform/x11/virtual_keys.h"

#include <X11/X.h>
#include <X11/keysym.h>

#include <string_view>
#include <utility>

#include "platform/key_event.h"

namespace keyloom {
namespace {

// Keys whose code does not follow from a range of keysyms.
constexpr std::pair<unsigned long, int> kNamedKeys[] = {
    {XK_BackSpace, kVkBackspace},
    {XK_Tab, kVkTab},
    {XK_ISO_Left_Tab, kVkTab},
    {XK_Clear, 12},
    {XK_KP_Begin, 12},
    {XK_Return, kVkEnter},
    {XK_KP_Enter, kVkEnter},
    {XK_Shift_L, kVkShift},
    {XK_Shift_R, kVkShift},
    {XK_Control_L, kVkControl},
    {XK_Control_R, kVkControl},
    {XK_Alt_L, kVkAlt},
    {XK_Alt_R, kVkAlt},
    {XK_Meta_L, kVkAlt},
    {XK_Meta_R, kVkAlt},
    {XK_ISO_Level3_Shift, kVkAlt},
    {XK_Pause, 19},
    {XK_Break, 19},
    {XK_Caps_Lock, 20},
    {XK_Escape, kVkEscape},
    {XK_space, kVkSpace},
    {XK_KP_Space, kVkSpace},
    {XK_Prior, 33},
    {XK_KP_Prior, 33},
    {XK_Next, 34},
    {XK_KP_Next, 34},
    {XK_End, 35},
    {XK_KP_End, 35},
    {XK_Home, 36},
    {XK_KP_Home, 36},
    {XK_Left, 37},
    {XK_KP_Left, 37},
    {XK_Up, kVkUp},
    {XK_KP_Up, kVkUp},
    {XK_Right, 39},
    {XK_KP_Right, 39},
    {XK_Down, kVkDown},
    {XK_KP_Down, kVkDown},
    {XK_Select, 41},
    {XK_Execute, 43},
    {XK_Print, 44},
    {XK_Insert, 45},
    {XK_KP_Insert, 45},
    {XK_Delete, 46},
    {XK_KP_Delete, 46},
    {XK_Help, 47},
    {XK_Super_L, 91},
    {XK_Super_R, 92},
    {XK_Menu, 93},
    {XK_KP_Multiply, 106},
    {XK_KP_Add, 107},
    {XK_KP_Separator, 108},
    {XK_KP_Subtract, 109},
    {XK_KP_Decimal, 110},
    {XK_KP_Divide, 111},
    {XK_Num_Lock, 144},
    {XK_Scroll_Lock, 145},
    {XK_semicolon, 186},
    {XK_equal, 187},
    {XK_comma, 188},
    {XK_minus, 189},
    {XK_period, 190},
    {XK_slash, 191},
};

constexpr std::pair<unsigned long, int> kMorePunctuation[] = {
    {XK_grave, 192},      {XK_bracketleft, 219}, {XK_backslash, 220}, {XK_bracketright, 221},
    {XK_apostrophe, 222}, {XK_less, 226},  // the extra key of ISO keyboards
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
  return (keysym >= XK_KP_0 && keysym <= XK_KP_9) || keysym == XK_KP_Decimal ||
         keysym == XK_KP_Separator;
}

}  // namespace

int UsKeyAt(std::string_view position) {
  for (const auto& [name, code] : kUsPositions) {
    if (name == position) return code;
  }
  return 0;
}

int VirtualKeyFromKeysym(unsigned long keysym) {
  if (keysym >= XK_a && keysym <= XK_z) return static_cast<int>('A' + (keysym - XK_a));
  if (keysym >= XK_A && keysym <= XK_Z) return static_cast<int>('A' + (keysym - XK_A));
  if (keysym >= XK_0 && keysym <= XK_9) return static_cast<int>('0' + (keysym - XK_0));
  if (keysym >= XK_F1 && keysym <= XK_F24) return kVkF1 + static_cast<int>(keysym - XK_F1);
  if (keysym >= XK_KP_0 && keysym <= XK_KP_9) return 96 + static_cast<int>(keysym - XK_KP_0);
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
  if (code != 0 || key.unshifted == NoSymbol) return code;
  return UsKeyAt(key.position);
}

int ModifierMaskFromState(unsigned int state) {
  int mask = 0;
  if (state & ShiftMask) mask |= kShiftMask;
  if (state & ControlMask) mask |= kCtrlMask;
  if (state & Mod1Mask) mask |= kAltMask;
  return mask;
}

}  // namespace keyloom
