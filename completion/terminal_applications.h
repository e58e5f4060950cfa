#pragma once

#include <string_view>

namespace keyloom {

// Whether `application` (as KeyEvent names it: a window class on X11, a program file on
// Windows) is a terminal, where passwords are typed at prompts no backend can tell apart.
bool IsTerminalApplication(std::string_view application);

}  // namespace keyloom
