// The Win32 backend's factory of the window side.
#include "shell/win32/win32_shell.h"

namespace keyloom {

std::unique_ptr<Shell> CreateShell(std::string& /*error*/) {
  return std::make_unique<Win32Shell>();
}

}  // namespace keyloom
