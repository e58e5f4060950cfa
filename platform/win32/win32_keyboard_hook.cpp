#include "platform/win32/win32_keyboard_hook.h"

#include <windows.h>

#include "platform/win32/foreground_application.h"
#include "platform/win32/layout_character.h"
#include "platform/win32/message_window.h"
#include "platform/win32/password_focus.h"

namespace keyloom {
namespace {

// The hook procedure has no context of its own: the started hook is kept here.
struct ActiveHook {
  const Win32KeyboardHook* owner = nullptr;
  HookFilter* filter = nullptr;
  KeyHandler* handler = nullptr;
  const AccessibleFocusWatch* password_watch = nullptr;
  HookWatch* watch = nullptr;
};
ActiveHook active;

constexpr wchar_t kWatchWindowClass[] = L"KeyloomHookWatch";

// A key press of any keyboard, as raw input reports it.
bool IsKeyPress(LPARAM input) {
  RAWINPUT raw{};
  UINT size = sizeof raw;
  if (GetRawInputData(reinterpret_cast<HRAWINPUT>(input), RID_INPUT, &raw, &size,
                      sizeof(RAWINPUTHEADER)) == static_cast<UINT>(-1)) {
    return false;
  }
  return raw.header.dwType == RIM_TYPEKEYBOARD &&
         (raw.data.keyboard.Message == WM_KEYDOWN || raw.data.keyboard.Message == WM_SYSKEYDOWN);
}

LRESULT CALLBACK WatchWindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INPUT) {
    auto* hook = OwnerOf<Win32KeyboardHook>(window);
    if (hook != nullptr && IsKeyPress(lparam)) hook->KeyArrived();
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

bool Down(int virtual_key) { return (GetAsyncKeyState(virtual_key) & 0x8000) != 0; }

int CurrentModifiers() {
  return (Down(VK_SHIFT) ? kShiftMask : 0) | (Down(VK_CONTROL) ? kCtrlMask : 0) |
         (Down(VK_MENU) ? kAltMask : 0);
}

LRESULT CALLBACK HookProcedure(int code, WPARAM message, LPARAM data) {
  if (code == HC_ACTION && active.filter != nullptr) {
    active.watch->HookRan(GetTickCount());
    const auto& event = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
    const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    // Only a key the handler may see needs the foreground window's layout, focus and program.
    const bool reported = down && !active.filter->OwnInput(event.dwExtraInfo);
    const bool injected = (event.flags & LLKHF_INJECTED) != 0;
    const int modifiers = CurrentModifiers();
    const int virtual_key = static_cast<int>(event.vkCode);
    const int scan_code = static_cast<int>(event.scanCode);
    const LowLevelKey key{virtual_key,
                          down,
                          injected,
                          event.dwExtraInfo,
                          scan_code,
                          (event.flags & LLKHF_EXTENDED) != 0,
                          reported ? ForegroundLayoutCharacter(virtual_key, modifiers) : 0,
                          reported && FocusInPasswordField(*active.password_watch),
                          (GetKeyState(VK_CAPITAL) & 1) != 0,
                          reported ? ForegroundApplication() : std::string_view()};
    if (active.filter->Filter(key, modifiers, active.handler)) return 1;
  }
  return CallNextHookEx(nullptr, code, message, data);
}

}  // namespace

Win32KeyboardHook::Win32KeyboardHook(KeyboardState& state, InjectionTags tags,
                                     const AccessibleFocusWatch& password_watch)
    : filter_(state, tags), password_watch_(password_watch) {}

Win32KeyboardHook::~Win32KeyboardHook() {
  if (hook_ != nullptr) UnhookWindowsHookEx(static_cast<HHOOK>(hook_));
  if (watch_window_ != nullptr) DestroyWindow(static_cast<HWND>(watch_window_));
  if (active.owner == this) active = {};
}

void Win32KeyboardHook::WatchKeys() {
  watch_window_ = CreateMessageWindow(kWatchWindowClass, WatchWindowProcedure, this);
  if (watch_window_ == nullptr) return;
  // Raw input reaches the window whatever has the focus, with or without the hook.
  RAWINPUTDEVICE keyboards{0x01, 0x06, RIDEV_INPUTSINK, static_cast<HWND>(watch_window_)};
  RegisterRawInputDevices(&keyboards, 1, sizeof keyboards);
}

void Win32KeyboardHook::KeyArrived() {
  if (!watch_.KeyArrived(GetTickCount())) return;
  if (hook_ != nullptr) UnhookWindowsHookEx(static_cast<HHOOK>(hook_));
  hook_ = SetWindowsHookExW(WH_KEYBOARD_LL, HookProcedure, GetModuleHandleW(nullptr), 0);
  if (hook_ != nullptr && active.handler != nullptr) active.handler->KeyboardHookRestored();
}

bool Win32KeyboardHook::Start(KeyHandler& handler) {
  if (active.owner != nullptr && active.owner != this) return false;
  if (hook_ == nullptr) {
    hook_ = SetWindowsHookExW(WH_KEYBOARD_LL, HookProcedure, GetModuleHandleW(nullptr), 0);
    if (hook_ == nullptr) return false;
  }
  active = {this, &filter_, &handler, &password_watch_, &watch_};
  watch_.HookRan(GetTickCount());
  if (watch_window_ == nullptr) WatchKeys();
  return true;
}

}  // namespace keyloom
