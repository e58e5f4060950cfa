#pragma once

#include <cstdint>

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
};

}  // namespace keyloom
