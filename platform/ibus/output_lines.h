#pragma once

#include <span>
#include <string>
#include <vector>

#include "platform/key_action.h"

namespace keyloom {

// The engine messages that type `actions`: runs of plain characters become one commit (a
// character with Shift commits as Shift makes it), named keys and chords are forwarded as key
// events.
std::vector<std::string> OutputLines(std::span<const KeyAction> actions);

}  // namespace keyloom
