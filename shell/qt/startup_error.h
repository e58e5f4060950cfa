#pragma once

#include <string_view>

namespace keyloom {

// Tells the user why a program cannot start, once: in a message box titled "Keyloom" when
// `can_open_window` says a window can be shown (a QApplication is created for it if there is
// none), otherwise on standard error.
void ShowStartupError(std::string_view program_name, std::string_view reason, bool can_open_window);

}  // namespace keyloom
