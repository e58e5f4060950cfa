#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/win32/low_level_key.h"

namespace keyloom {

// The Shift, Ctrl and Alt keys (each side on its own: VK_LSHIFT ... VK_RMENU) that the user
// physically holds, as followed from the hook's events that were not injected.
class HeldModifiers {
 public:
  // The side-specific modifier keys, in the order the backend releases them.
  static constexpr int kKeys[] = {0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5};

  // Follows one key event of the user's; keys that are no modifier are ignored.
  void Follow(int virtual_key, bool down);
  bool Held(int virtual_key) const;

 private:
  static int Bit(int virtual_key);

  std::uint8_t held_ = 0;
};

// True for the side-specific modifier keys of kKeys.
bool IsSideModifier(int virtual_key);

// What the hook and the keystroke output share.
struct KeyboardState {
  HeldModifiers held;
  // True while the handler runs for a key event, which then still waits to reach its window:
  // input sent meanwhile must wait too, or it would arrive before that key.
  bool handling_key = false;
  // The program's input that waits to go out after the key the handler answered, and how many of
  // the events it sent have not come through the hook yet (hooks need not see input in the order
  // it was sent). The user's key events meanwhile would overtake them: they are held back, to be
  // sent again behind them.
  bool output_waiting = false;
  int in_flight = 0;
  std::vector<LowLevelKey> held_back;
  // Set by the output: sends what was held back, once the program's input has come through.
  std::function<void()> send_held_back;

  bool HoldsBack() const { return output_waiting || in_flight > 0; }
  void OwnInputArrived();
};

}  // namespace keyloom
