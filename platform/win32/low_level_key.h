#pragma once

#include <cstdint>
#include <string_view>

namespace keyloom {

// One event of the low-level keyboard hook.
struct LowLevelKey {
  int virtual_key = 0;  // side-specific for modifiers: VK_LSHIFT, VK_RCONTROL ...
  bool down = false;    // WM_KEYDOWN or WM_SYSKEYDOWN
  bool injected = false;
  std::uintptr_t extra_info = 0;
  int scan_code = 0;  // the character itself for VK_PACKET
  bool extended = false;
  char32_t layout_char = 0;  // what a layout other than US types with the key
  bool in_password_field = false;
  bool caps_lock = false;
  std::string_view application = {};  // the foreground program's file name; valid in the hook
};

}  // namespace keyloom
