#pragma once

#include "platform/ibus/engine_protocol.h"
#include "platform/key_event.h"

namespace keyloom {

// The key event that the other backends would report for a key press that IBus reports: the
// virtual-key code of the key as the layout has it (digits for the digit row on every layout,
// the US key's code at its place for letters that are not Latin), the modifier mask, and what
// the layout types with it with Caps Lock left out. Password field and application as the
// engine told them; `application` stays valid while `key` does.
KeyEvent KeyEventFromReport(const KeyReport& key);

}  // namespace keyloom
