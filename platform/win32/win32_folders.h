#pragma once

#include "platform/platform.h"

namespace keyloom {

// The folder of the running program, and %APPDATA%\Keyloom for the user's own files.
AppFolders Win32AppFolders();

}  // namespace keyloom
