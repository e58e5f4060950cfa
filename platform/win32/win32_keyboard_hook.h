#pragma once

#include <span>

#include "platform/keyboard_hook.h"
#include "platform/win32/accessible_focus_watch.h"
#include "platform/win32/hook_filter.h"
#include "platform/win32/hook_watch.h"

namespace keyloom {

// WH_KEYBOARD_LL, installed from the UI thread, whose message loop then delivers every key
// event of the desktop. Only one can be started per process: the hook procedure has no context.
// Windows removes a hook that once kept it waiting too long, without a word: raw input tells of
// keys that the hook no longer sees, and the hook is then installed again (HookWatch).
class Win32KeyboardHook final : public KeyboardHook {
 public:
  // `password_watch` tells of password fields that are no edit control of the password style.
  Win32KeyboardHook(KeyboardState& state, InjectionTags tags,
                    const AccessibleFocusWatch& password_watch);
  ~Win32KeyboardHook() override;
  Win32KeyboardHook(const Win32KeyboardHook&) = delete;
  Win32KeyboardHook& operator=(const Win32KeyboardHook&) = delete;

  bool Start(KeyHandler& handler) override;
  // Every key can be withheld from the hook itself.
  void SetWithholdableKeys(std::span<const int> /*key_codes*/) override {}

  // Raw input tells of a key press.
  void KeyArrived();

 private:
  void WatchKeys();

  HookFilter filter_;
  const AccessibleFocusWatch& password_watch_;
  void* hook_ = nullptr;  // HHOOK
  HookWatch watch_;
  void* watch_window_ = nullptr;  // HWND that raw input reaches
};

}  // namespace keyloom
