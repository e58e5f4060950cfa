#include "platform/win32/password_focus.h"

#include <windows.h>

#include <cwchar>

namespace keyloom {

bool FocusInPasswordField(const AccessibleFocusWatch& watch) {
  const HWND foreground = GetForegroundWindow();
  if (foreground == nullptr) return false;
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(foreground, nullptr), &info) ||
      info.hwndFocus == nullptr) {
    return false;
  }
  if (info.hwndFocus == watch.protected_window()) return true;
  wchar_t class_name[16] = {};
  if (GetClassNameW(info.hwndFocus, class_name, 16) == 0 || _wcsicmp(class_name, L"Edit") != 0) {
    return false;
  }
  return (GetWindowLongW(info.hwndFocus, GWL_STYLE) & ES_PASSWORD) != 0;
}

}  // namespace keyloom
