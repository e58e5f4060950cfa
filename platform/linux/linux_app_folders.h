#pragma once

#include <string>

#include "platform/platform.h"

namespace keyloom {

// The folders of a program at `program_file`: its own folder, the installed data beside an
// installed program (<prefix>/share/keyloom for <prefix>/bin) and the user's data folder,
// $XDG_DATA_HOME/Keyloom, with ~/.local/share as the default data home; a program in a folder
// named bin is installed. `xdg_data_home` and
// `home` are the values of those variables (empty when unset).
AppFolders LinuxAppFolders(const std::string& program_file, const std::string& xdg_data_home,
                           const std::string& home);

// The same for the running program and the current environment.
AppFolders CurrentAppFolders();

}  // namespace keyloom
