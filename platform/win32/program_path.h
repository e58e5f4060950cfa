#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace keyloom {

// A command line's program, found as a full path, and the arguments that follow it.
struct ResolvedCommand {
  std::wstring program;
  std::wstring arguments;  // as they stood, without the space before them
};

// Finds the program of `command_line` the way a user means it, never in the current folder: a
// quoted path as it stands; an unquoted one that holds spaces by its longest leading part that
// names a file (so that "C:\Program Files\App\app.exe" wins over a "C:\Program.exe" planted
// beside it), a part shorter than the line only with its extension; a bare name in the system
// folders and the folders of PATH. ".exe" is added to a name without extension. nullopt when no
// file fits or the path is relative to the current folder.
std::optional<ResolvedCommand> ResolveCommand(std::wstring_view command_line);

}  // namespace keyloom
