#pragma once

#include <span>

#include "platform/keyboard_hook.h"
#include "platform/win32/hook_filter.h"

namespace keyloom {

// WH_KEYBOARD_LL, installed from the UI thread, whose message loop then delivers every key
// event of the desktop. Only one can be started per process: the hook procedure has no context.
class Win32KeyboardHook final : public KeyboardHook {
 public:
  Win32KeyboardHook(KeyboardState& state, InjectionTags tags);
  ~Win32KeyboardHook() override;
  Win32KeyboardHook(const Win32KeyboardHook&) = delete;
  Win32KeyboardHook& operator=(const Win32KeyboardHook&) = delete;

  bool Start(KeyHandler& handler) override;
  // Every key can be withheld from the hook itself.
  void SetWithholdableKeys(std::span<const int> /*key_codes*/) override {}

 private:
  HookFilter filter_;
  void* hook_ = nullptr;  // HHOOK
};

}  // namespace keyloom
