#pragma once

#include <string_view>

namespace keyloom {

// The Windows virtual-key code of the key whose unshifted keysym is `keysym`; 0 for keys that
// have none. Letters give 65-90 whatever their case, digits 48-57, F-keys 112-135, the keypad
// 96-111 and the US punctuation keys 186-192 and 219-222.
int VirtualKeyFromKeysym(unsigned long keysym);

// A key as the active group of the layout has it.
struct KeyDescription {
  unsigned long unshifted = 0;  // the keysym of its first level
  unsigned long shifted = 0;    // of its second level
  std::string_view position;    // its XKB key name: "AE01" for the 1 key of a US keyboard
};

// The code that Windows reports for the key on the same layout: the digit row gives its digits
// on every layout (AZERTY types symbols there unshifted), keypad keys name their digit while
// Num Lock is on, a key with a named keysym (a Latin letter, punctuation, a named key) gives its
// code, and a key with any other letter (Cyrillic, Greek, accented) the code of the US key at
// its place, as Windows layouts without Latin letters do.
int VirtualKeyForKey(const KeyDescription& key, bool num_lock);

// The code of the US keyboard's key at `position` (an XKB key name of the alphanumeric block);
// 0 for other names.
int UsKeyAt(std::string_view position);

// The key events' modifier mask (Shift 1, Ctrl 2, Alt 4) from an X modifier state.
int ModifierMaskFromState(unsigned int state);
// Whether the Lock modifier (Caps Lock) is on in an X11 core state.
bool CapsLockFromState(unsigned int state);

}  // namespace keyloom
