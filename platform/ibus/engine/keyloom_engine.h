#pragma once

#include <ibus.h>

namespace keyloom {

// The IBus engine type that IBus creates for each input context; it hands everything to the
// EngineHub.
GType KeyloomEngineType();

}  // namespace keyloom
