#pragma once

#include <vector>

#include "shell/program.h"
#include "shell/window_design.h"

namespace keyloom {

// The menu bar of a program's main window: File, Options and Help with the commands that
// AppShell handles, plus Quipcast's Load Samples.
std::vector<MenuDesign> MainWindowMenus(Program program);

}  // namespace keyloom
