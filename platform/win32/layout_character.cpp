#include "platform/win32/layout_character.h"

#include <windows.h>

#include <cstdint>

#include "platform/key_event.h"

namespace keyloom {
namespace {

constexpr std::uintptr_t kUsLanguage = 0x0409;
constexpr UINT kDeadKeyBit = 0x80000000u;
// ToUnicodeEx leaves the keyboard state alone (Windows 10 1607 and later).
constexpr UINT kKeepKeyboardState = 0x4;

}  // namespace

char32_t ForegroundLayoutCharacter(int virtual_key, int scan_code, int modifiers) {
  const HKL layout = GetKeyboardLayout(GetWindowThreadProcessId(GetForegroundWindow(), nullptr));
  // The high word names the physical layout; 0409 is US English's own.
  if (((reinterpret_cast<std::uintptr_t>(layout) >> 16) & 0xFFFF) == kUsLanguage) return 0;
  const UINT unshifted = MapVirtualKeyExW(static_cast<UINT>(virtual_key), MAPVK_VK_TO_CHAR, layout);
  if (unshifted == 0 || (unshifted & kDeadKeyBit) != 0) return 0;
  const bool alt_gr = (modifiers & kCtrlMask) != 0 && (modifiers & kAltMask) != 0;
  if (!alt_gr && (modifiers & kShiftMask) == 0) return static_cast<char32_t>(unshifted & 0xFFFF);
  BYTE state[256] = {};
  if ((modifiers & kShiftMask) != 0) state[VK_SHIFT] = 0x80;
  if (alt_gr) state[VK_CONTROL] = state[VK_MENU] = 0x80;
  wchar_t typed[4] = {};
  const int count = ToUnicodeEx(static_cast<UINT>(virtual_key), static_cast<UINT>(scan_code), state,
                                typed, 4, kKeepKeyboardState, layout);
  return count == 1 ? static_cast<char32_t>(typed[0]) : 0;
}

}  // namespace keyloom
