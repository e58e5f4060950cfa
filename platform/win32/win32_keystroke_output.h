#pragma once

#include <span>

#include "platform/key_action.h"
#include "platform/keystroke_output.h"
#include "platform/win32/injection_tags.h"
#include "platform/win32/keyboard_state.h"

namespace keyloom {

// Keystrokes through SendInput, every input tagged as this program's own (see PlanKeyInputs).
// Actions sent while the hook handles a key wait until that key has gone on to its window: a
// message to a window of the output's own sends them once the hook has answered, so that the
// erasing Backspaces of a launch follow the Space that ended it.
class Win32KeystrokeOutput final : public KeystrokeOutput {
 public:
  Win32KeystrokeOutput(const KeyboardState& state, InjectionTags tags);
  ~Win32KeystrokeOutput() override;
  Win32KeystrokeOutput(const Win32KeystrokeOutput&) = delete;
  Win32KeystrokeOutput& operator=(const Win32KeystrokeOutput&) = delete;

  bool Send(std::span<const KeyAction> actions) override;

  // Sends what waits; run by the window's message.
  void SendWaiting();

 private:
  bool SendNow(std::span<const KeyAction> actions);

  const KeyboardState& state_;
  InjectionTags tags_;
  KeyActions waiting_;
  void* window_ = nullptr;  // HWND
};

}  // namespace keyloom
