#pragma once

#include <optional>
#include <string_view>

#include "platform/key_action.h"

namespace keyloom {

// The canonical name of a named key in key strings, upper case: "BACKSPACE", "PGDN", "F5".
std::string_view KeyName(NamedKey key);

// The named key that `name` stands for, compared without regard to case; accepts the
// canonical names and the aliases BS, BKSP (Backspace), DEL (Delete) and INS (Insert).
std::optional<NamedKey> FindNamedKey(std::string_view name);

}  // namespace keyloom
