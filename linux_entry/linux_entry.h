#pragma once

#include <string_view>

#include "shell/qt/qt_program.h"

namespace keyloom {

// The Linux main of both programs. The keyboard side comes first: X11 in an X11 session, the
// input method in a Wayland session or when the user chose it in the settings. A missing
// display, extension or input method is told plainly (a message box when a window can be
// shown, else standard error) before Qt would refuse to start; then the program runs on the Qt
// window side. Returns the program's exit status, 1 when it cannot start.
int RunLinuxProgram(std::string_view program_name, char* argv0, const ProgramBody& body);

}  // namespace keyloom
