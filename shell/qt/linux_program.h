#pragma once

#include <functional>
#include <string_view>

#include "platform/platform.h"
#include "shell/shell.h"

namespace keyloom {

// What a program does once both sides stand: build its window, start, run the event loop.
using ProgramBody = std::function<int(Shell& shell, Platform& platform)>;

// The Linux main of both programs. The X11 keyboard side comes first, so that a missing
// display or extension is told plainly (a message box when a window can be shown, else
// standard error) before Qt would refuse to start; then the QApplication, on X11 too, and the
// Qt window side. The program reads no command line: Qt gets the program's name only.
// Returns the program's exit status, 1 when it cannot start.
int RunLinuxProgram(std::string_view program_name, char* argv0, const ProgramBody& body);

}  // namespace keyloom
