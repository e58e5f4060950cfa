#pragma once

#include "platform/key_action.h"

namespace keyloom {

// The keysym that types a named key of the key strings.
unsigned long KeysymForNamedKey(NamedKey key);

// The keysym that types a character: Latin-1 characters are their own keysyms, every other
// character its Unicode keysym. 0 for control characters, surrogates and values beyond Unicode,
// which no key types.
unsigned long KeysymForCharacter(char32_t character);

// The keysyms of a character's lower and upper case; both the character's own when it has no
// other case.
struct CaseKeysyms {
  unsigned long lower;
  unsigned long upper;
};
CaseKeysyms CaseKeysymsOf(char32_t character);

}  // namespace keyloom
