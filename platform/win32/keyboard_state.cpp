#include "platform/win32/keyboard_state.h"

namespace keyloom {

void KeyboardState::OwnInputArrived() {
  if (in_flight == 0 || --in_flight > 0) return;
  if (!held_back.empty() && !output_waiting && send_held_back) send_held_back();
}

bool IsSideModifier(int virtual_key) { return virtual_key >= 0xA0 && virtual_key <= 0xA5; }

int HeldModifiers::Bit(int virtual_key) { return 1 << (virtual_key - 0xA0); }

void HeldModifiers::Follow(int virtual_key, bool down) {
  if (!IsSideModifier(virtual_key)) return;
  if (down) {
    held_ = static_cast<std::uint8_t>(held_ | Bit(virtual_key));
  } else {
    held_ = static_cast<std::uint8_t>(held_ & ~Bit(virtual_key));
  }
}

bool HeldModifiers::Held(int virtual_key) const {
  return IsSideModifier(virtual_key) && (held_ & Bit(virtual_key)) != 0;
}

}  // namespace keyloom
