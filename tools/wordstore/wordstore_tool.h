#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/file_system.h"

// The word-store tool: builds words.mdb from a word list, lists a store and queries it.
namespace keyloom {

// Runs the tool with `args` (without the program name); returns the process exit code: 0 on
// success, 1 when a file cannot be read, written or opened as a store, 2 for a usage error.
int RunWordStoreTool(const std::vector<std::string>& args, FileSystem& files, std::ostream& out,
                     std::ostream& err);

}  // namespace keyloom
