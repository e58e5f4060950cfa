#pragma once

#include <string>

namespace keyloom {

// The punctuation character of a key that is not a letter, with Shift counted only when it is
// held alone (`modifiers` exactly kShiftMask); empty for keys that add nothing to a word.
std::string KeyCodeToChar(int key_code, int modifiers);

// The character a key adds to the current word: a letter key gives its letter in lower case
// whatever the modifiers, any other key what KeyCodeToChar gives.
std::string WordCharacter(int key_code, int modifiers);

}  // namespace keyloom
