#pragma once

#include <optional>

#include "platform/key_action.h"

namespace keyloom {

// How many Left presses take the text cursor back over what `actions` type, as text views move
// it: one per character (a combining mark, a variation selector, and a character joined on by a
// zero-width joiner go with the one before), one per Enter or Tab. nullopt when the actions do
// anything else, which the cursor follows less simply (another named key, a shortcut).
std::optional<int> CaretStops(const KeyActions& actions);

}  // namespace keyloom
