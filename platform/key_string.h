#pragma once

#include <string_view>

#include "platform/key_action.h"

namespace keyloom {

// Parses the key-string syntax into key actions:
//  - a plain character types itself; CR, LF or CR LF type one Enter, a tab character types Tab;
//  - {NAME} presses a named key (names compared without regard to case), {NAME n} repeats it,
//    {c} types a special character c literally and {c n} repeats it;
//  - + ^ % hold Shift, Ctrl, Alt for the next key or for a parenthesised group;
//  - ~ is Enter.
// Total: anything it cannot read (unknown names, unclosed braces or parentheses) is typed as
// the literal text. Repeat counts are capped at kMaxKeyRepeat.
KeyActions ParseKeyString(std::string_view key_string);

inline constexpr int kMaxKeyRepeat = 1000;

}  // namespace keyloom
