#pragma once

#include <vector>

namespace keyloom {

// A key event that a grab kept from the windows, to be typed again later: the user's, or one
// the output had sent before the grab.
struct HeldKey {
  unsigned int keycode;
  bool press;
  bool own = false;
};
using HeldKeys = std::vector<HeldKey>;

}  // namespace keyloom
