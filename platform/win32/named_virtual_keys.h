#pragma once

#include "platform/key_action.h"

namespace keyloom {

struct VirtualKey {
  int code = 0;
  bool extended = false;  // sent with KEYEVENTF_EXTENDEDKEY (the keys beside the keypad)
};

// The Windows virtual key that types `key`.
VirtualKey VirtualKeyOf(NamedKey key);

}  // namespace keyloom
