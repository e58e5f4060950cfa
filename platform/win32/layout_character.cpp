#include "platform/win32/layout_character.h"

#include <windows.h>

#include "platform/key_event.h"

namespace keyloom {
namespace {

constexpr UINT kDeadKeyBit = 0x80000000u;
// ToUnicodeEx leaves the keyboard state alone (Windows 10 1607 and later).
constexpr UINT kKeepKeyboardState = 0x4;

// The unshifted characters of the US layout's keys that type, by virtual-key code.
struct UsKey {
  UINT virtual_key;
  char character;
};
constexpr UsKey kUsPunctuation[] = {{VK_OEM_1, ';'},     {VK_OEM_PLUS, '='},   {VK_OEM_COMMA, ','},
                                    {VK_OEM_MINUS, '-'}, {VK_OEM_PERIOD, '.'}, {VK_OEM_2, '/'},
                                    {VK_OEM_3, '`'},     {VK_OEM_4, '['},      {VK_OEM_5, '\\'},
                                    {VK_OEM_6, ']'},     {VK_OEM_7, '\''}};

// What `layout` types with the key while the keys of `state` are down; 0 for nothing, a dead
// key or more than one character.
char32_t Typed(UINT virtual_key, const BYTE (&state)[256], HKL layout) {
  wchar_t typed[4] = {};
  const int count = ToUnicodeEx(virtual_key, MapVirtualKeyExW(virtual_key, MAPVK_VK_TO_VSC, layout),
                                state, typed, 4, kKeepKeyboardState, layout);
  return count == 1 ? static_cast<char32_t>(typed[0]) : 0;
}

// Whether every key of `layout` types what it types on the US layout, and its letter keys
// nothing with AltGr (a Polish layout is US but for those). The layout's name alone does not
// tell: Wine names the US layout whatever the X server's keyboard is.
bool TypesAsUs(HKL layout) {
  const auto unshifted = [layout](UINT virtual_key) {
    return MapVirtualKeyExW(virtual_key, MAPVK_VK_TO_CHAR, layout);
  };
  BYTE alt_gr[256] = {};
  alt_gr[VK_CONTROL] = alt_gr[VK_MENU] = 0x80;
  for (UINT key = 'A'; key <= 'Z'; ++key) {
    if (unshifted(key) != key || Typed(key, alt_gr, layout) >= 0x20) return false;
  }
  for (UINT key = '0'; key <= '9'; ++key) {
    if (unshifted(key) != key) return false;
  }
  for (const UsKey& key : kUsPunctuation) {
    if (unshifted(key.virtual_key) != static_cast<UINT>(key.character)) return false;
  }
  return true;
}

bool IsUsLayout(HKL layout) {
  // Asked at every key; a layout changes seldom.
  static HKL last_layout = nullptr;
  static bool last_is_us = false;
  if (layout != last_layout) {
    last_layout = layout;
    last_is_us = TypesAsUs(layout);
  }
  return last_is_us;
}

}  // namespace

char32_t ForegroundLayoutCharacter(int virtual_key, int modifiers) {
  const HKL layout = GetKeyboardLayout(GetWindowThreadProcessId(GetForegroundWindow(), nullptr));
  if (IsUsLayout(layout)) return 0;
  const UINT unshifted = MapVirtualKeyExW(static_cast<UINT>(virtual_key), MAPVK_VK_TO_CHAR, layout);
  if (unshifted == 0 || (unshifted & kDeadKeyBit) != 0) return 0;
  const bool alt_gr = (modifiers & kCtrlMask) != 0 && (modifiers & kAltMask) != 0;
  if (!alt_gr && (modifiers & kShiftMask) == 0) return static_cast<char32_t>(unshifted & 0xFFFF);
  BYTE state[256] = {};
  if ((modifiers & kShiftMask) != 0) state[VK_SHIFT] = 0x80;
  if (alt_gr) state[VK_CONTROL] = state[VK_MENU] = 0x80;
  return Typed(static_cast<UINT>(virtual_key), state, layout);
}

}  // namespace keyloom
