#pragma once

#include <string>

#include "shell/program.h"

namespace keyloom {

// The title of every message box: the product name.
inline constexpr const char* kApplicationTitle = "Keyloom";

// "Keyloom Quipcast 4.1 - <web name>", "Keyloom Word Complete 4.1 - <web name>".
std::string MainWindowCaption(Program program);
// "Keyloom 4.1 - <web name>", at most 63 characters.
std::string TrayTip();
// The tray tip while the program is paused.
std::string PausedTrayTip();
// The About box's text (each line ended by CR LF) and title.
std::string AboutText();
std::string AboutTitle();
// Where Help points: the build's help address, or keyloom.htm in `help_folder`.
std::string HelpAddress(const std::string& help_folder);

}  // namespace keyloom
