#pragma once

#include <functional>
#include <string_view>

#include "platform/platform.h"
#include "shell/shell.h"

namespace keyloom {

// What a program's Windows entry point does around the program itself: no error box from the
// system for a missing drive or a fault, the Win32 platform and shell, and a message box when
// either cannot start or the program fails. Returns the exit code of `run`.
int RunWin32Program(std::string_view program_name,
                    const std::function<int(Shell&, Platform&)>& run);

}  // namespace keyloom
