#pragma once

namespace keyloom {

// The Windows virtual-key code of the key whose unshifted keysym is `keysym`; 0 for keys that
// have none. Letters give 65-90 whatever their case, digits 48-57, F-keys 112-135, the keypad
// 96-111 and the US punctuation keys 186-192 and 219-222.
int VirtualKeyFromKeysym(unsigned long keysym);

// The code of a key from the keysyms of its first two levels: keypad keys name their digit
// while Num Lock is on (as Windows reports them), every other key its unshifted keysym.
int VirtualKeyForKey(unsigned long unshifted, unsigned long shifted, bool num_lock);

// The key events' modifier mask (Shift 1, Ctrl 2, Alt 4) from an X modifier state.
int ModifierMaskFromState(unsigned int state);

}  // namespace keyloom
