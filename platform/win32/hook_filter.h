#pragma once

#include "platform/key_event.h"
#include "platform/win32/injection_tags.h"
#include "platform/win32/keyboard_state.h"
#include "platform/win32/low_level_key.h"

namespace keyloom {

// What the hook makes of each event, apart from the hook itself so that it can be tested:
// follows the user's modifiers, reports the user's key presses (never this program's own input)
// to the handler, and withholds a key when the handler says so. While the program's input waits
// to go out, the user's key events are withheld instead, to be sent again behind it: they are
// reported when they come back.
class HookFilter {
 public:
  HookFilter(KeyboardState& state, InjectionTags tags) : state_(state), tags_(tags) {}

  // True when the event must be withheld. `modifiers` is the Shift/Ctrl/Alt mask at the event.
  bool Filter(const LowLevelKey& key, int modifiers, KeyHandler* handler);
  // Whether an event with this extra information is the program's own typing, which the
  // handler never sees: nothing about the focused window need be found out for it.
  bool OwnInput(std::uintptr_t extra_info) const { return tags_.Own(extra_info); }

 private:
  KeyboardState& state_;
  InjectionTags tags_;
};

// The code a key event reports: the side-specific modifier keys as VK_SHIFT, VK_CONTROL and
// VK_MENU, as windows see them in WM_KEYDOWN; every other key as it is.
int ReportedKeyCode(int virtual_key);

}  // namespace keyloom
