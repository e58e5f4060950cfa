#pragma once

#include "platform/caret_locator.h"
#include "shell/window.h"

namespace keyloom {

// Moves a pop-up beside the text cursor that `caret` tells of, or to `designed_place` when it
// tells of none, and shows it. Asks the focused application, so never while a key waits.
void ShowPopupAtCaret(Window& popup, CaretLocator& caret, const ScreenRect& designed_place);

}  // namespace keyloom
