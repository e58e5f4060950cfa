#pragma once

#include <vector>

namespace keyloom {

// A key event of the user's that a grab kept from the windows, to be typed again later.
struct HeldKey {
  unsigned int keycode;
  bool press;
};
using HeldKeys = std::vector<HeldKey>;

}  // namespace keyloom
