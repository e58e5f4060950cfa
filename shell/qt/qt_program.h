#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "platform/platform.h"
#include "shell/shell.h"

namespace keyloom {

// What a program does once both sides stand: build its window, start, run the event loop.
using ProgramBody = std::function<int(Shell& shell, Platform& platform)>;

// Runs a program on the Qt window side with the keyboard side given: the QApplication, the
// windows, whose pop-up becomes the keyboard side's candidate list where it has one, and a
// notice when keys do not reach the program a while after the start. The program reads no
// command line: Qt gets the program's name only. Returns the program's exit status, 1 when it
// cannot start.
int RunQtProgram(std::string_view program_name, char* argv0, std::unique_ptr<Platform> platform,
                 const ProgramBody& body);

}  // namespace keyloom
