#pragma once

#include <string_view>

namespace keyloom {

// The file name of the program whose window is in the foreground ("notepad.exe"); empty when
// there is none or its process may not be asked. Looked up once per foreground process; valid
// until the next call.
std::string_view ForegroundApplication();

}  // namespace keyloom
