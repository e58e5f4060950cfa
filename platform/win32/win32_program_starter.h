#pragma once

#include <string_view>

#include "platform/program_starter.h"

namespace keyloom {

// CreateProcessW with the program found by its full path (program_path.h), never through a
// shell.
class Win32ProgramStarter final : public ProgramStarter {
 public:
  bool Start(std::string_view command_line) override;
};

}  // namespace keyloom
