#pragma once

#include "platform/caret_locator.h"

namespace keyloom {

// Where a pop-up of `width` × `height` pixels stands for the caret: just below it with its left
// edge at the caret, above it when there is no room below, and always inside the work area
// (moved in from an edge it would cross).
ScreenRect PopupBesideCaret(const CaretPlace& place, int width, int height);

}  // namespace keyloom
