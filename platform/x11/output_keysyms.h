#pragma once

#include "platform/key_action.h"

namespace keyloom {

// The keysym that types a named key of the key strings.
unsigned long KeysymForNamedKey(NamedKey key);

// The keysym that types a character: Latin-1 characters are their own keysyms, every other
// character its Unicode keysym. 0 for control characters, surrogates and values beyond Unicode,
// which no key types.
unsigned long KeysymForCharacter(char32_t character);

}  // namespace keyloom
