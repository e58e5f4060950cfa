#pragma once

#include <cstdint>

namespace keyloom {

// The window of another program that had the keyboard focus, given it back once a window of
// ours that took it is hidden. On X11 without a window manager nothing else would; where Qt
// does not run on X11 the desktop does it, and this does nothing.
class FocusReturn {
 public:
  void Remember();
  void GiveBack();

 private:
  std::uint32_t window_ = 0;  // an X11 window; 0 for none
};

}  // namespace keyloom
