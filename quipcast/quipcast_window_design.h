#pragma once

#include "shell/window_design.h"

namespace keyloom {

// Quipcast's main window, Form1: the phrase editor above the entry list, in the frame Frame2.
WindowDesign QuipcastWindowDesign();

}  // namespace keyloom
