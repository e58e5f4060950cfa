#pragma once

#include <functional>
#include <string_view>

#include "platform/platform.h"
#include "shell/shell.h"

namespace keyloom {

// What a program does once both sides stand: build its window, start, run the event loop.
using ProgramBody = std::function<int(Shell& shell, Platform& platform)>;

// The Linux main of both programs. The keyboard side comes first: X11 in an X11 session, the
// input method in a Wayland session or when the user chose it in the settings. A missing
// display, extension or input method is told plainly (a message box when a window can be
// shown, else standard error) before Qt would refuse to start; then the QApplication and the Qt
// window side, whose pop-up becomes the input method's candidate list. The program reads no command
// line: Qt gets the program's name only. Returns the program's exit status, 1 when it cannot start.
int RunLinuxProgram(std::string_view program_name, char* argv0, const ProgramBody& body);

}  // namespace keyloom
