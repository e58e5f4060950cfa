#pragma once

#include "shell/window_design.h"

namespace keyloom {

// Keyloom's main window, Form1: the word list and, in the borderless panel Frame1, the
// completion settings with their defaults.
WindowDesign KeyloomWindowDesign();

// The suggestion pop-up, Form2: a borderless window at the screen's top-left corner that
// holds only the candidate list.
WindowDesign KeyloomPopupDesign();

}  // namespace keyloom
