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
// erasing Backspaces of a launch follow the Space that ended it; the user's keys meanwhile are
// held back by the hook and follow them in the same batch.
class Win32KeystrokeOutput final : public KeystrokeOutput {
 public:
  Win32KeystrokeOutput(KeyboardState& state, InjectionTags tags);
  ~Win32KeystrokeOutput() override;
  Win32KeystrokeOutput(const Win32KeystrokeOutput&) = delete;
  Win32KeystrokeOutput& operator=(const Win32KeystrokeOutput&) = delete;

  bool Send(std::span<const KeyAction> actions) override;

  // Sends what waits, and the user's keys held back meanwhile; run by the window's message.
  void SendWaiting();
  // The input sent has not all come through the hook in time: the user's keys go on.
  void StopWaitingForInput();

 private:
  // Asks the window to send what waits, unless it has been asked already.
  bool PostSendWaiting();
  bool SendNow(std::span<const KeyAction> actions, std::span<const LowLevelKey> held_back = {});

  KeyboardState& state_;
  InjectionTags tags_;
  KeyActions waiting_;
  void* window_ = nullptr;  // HWND
};

}  // namespace keyloom
