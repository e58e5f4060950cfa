#pragma once

#include "shell/window_design.h"

namespace keyloom {

// The main window's status line stands beside the settings panel (Frame1), inside the word
// frame (Frame2), level with the panel's lower rows so that the list never reaches it. It
// follows the panel on every resize and takes the width the frame leaves, two lines high.
TwipRect StatusLineRect(const TwipRect& frame2, const TwipRect& frame1);

}  // namespace keyloom
