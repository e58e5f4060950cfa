#include "platform/win32/win32_caret_locator.h"

#include <windows.h>
// Needs windows.h first.
#include <oleacc.h>

namespace keyloom {
namespace {

ScreenRect ToScreenRect(const RECT& rect) {
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// The system caret that the window's thread created, on the screen.
std::optional<ScreenRect> SystemCaret(const GUITHREADINFO& info) {
  if (info.hwndCaret == nullptr || info.rcCaret.bottom <= info.rcCaret.top) return std::nullopt;
  RECT rect = info.rcCaret;
  MapWindowPoints(info.hwndCaret, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return ToScreenRect(rect);
}

// The caret object of the window, for controls that draw their own caret.
std::optional<ScreenRect> AccessibleCaret(HWND window) {
  IAccessible* caret = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CARET),
                                        __uuidof(IAccessible), reinterpret_cast<void**>(&caret))) ||
      caret == nullptr) {
    return std::nullopt;
  }
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  long left = 0, top = 0, width = 0, height = 0;
  const HRESULT result = caret->accLocation(&left, &top, &width, &height, self);
  caret->Release();
  if (FAILED(result) || height <= 0) return std::nullopt;
  return ScreenRect{static_cast<int>(left), static_cast<int>(top), static_cast<int>(width),
                    static_cast<int>(height)};
}

}  // namespace

std::optional<CaretPlace> Win32CaretLocator::Locate() {
  const HWND foreground = GetForegroundWindow();
  if (foreground == nullptr) return std::nullopt;
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(foreground, nullptr), &info)) return std::nullopt;
  std::optional<ScreenRect> caret = SystemCaret(info);
  if (!caret) caret = AccessibleCaret(info.hwndFocus != nullptr ? info.hwndFocus : foreground);
  if (!caret) return std::nullopt;

  const RECT caret_rect{caret->left, caret->top, caret->right(), caret->bottom()};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromRect(&caret_rect, MONITOR_DEFAULTTONEAREST), &monitor)) {
    return std::nullopt;
  }
  return CaretPlace{*caret, ToScreenRect(monitor.rcWork)};
}

}  // namespace keyloom
