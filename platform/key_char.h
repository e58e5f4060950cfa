#pragma once

#include <string>

namespace keyloom {

// The punctuation character of a key that is not a letter, with Shift counted only when it is
// held alone (`modifiers` exactly kShiftMask); empty for keys that add nothing to a word.
std::string KeyCodeToChar(int key_code, int modifiers);

// The character a key adds to the current word. On the US layout (`layout_char` 0) a letter key
// gives its letter in lower case whatever the modifiers, any other key what KeyCodeToChar gives.
// On other layouts the character the layout types: a letter of any script in lower case, or
// one of the punctuation characters that KeyCodeToChar knows; nothing else.
std::string WordCharacter(int key_code, int modifiers, char32_t layout_char = 0);

// What a key types, as far as following whole words goes: on layouts other than US the
// layout's character, on the US layout the character of the key with Shift as held (letters in
// lower case). 0 for keys that type nothing, and for Ctrl and Alt chords, which are commands.
char32_t TypedCharacter(int key_code, int modifiers, char32_t layout_char = 0);

// Shift, Ctrl, Alt, Caps Lock, the Windows keys, Num Lock, Scroll Lock and their left and right
// twins: pressed on their own, they change nothing of the text.
bool IsModifierKey(int key_code);

// Whether a code point is a letter as far as words go: Latin letters, and every code point from
// U+00C0 on outside the blocks of punctuation, symbols and marks of punctuation.
bool IsWordLetter(char32_t c);

}  // namespace keyloom
