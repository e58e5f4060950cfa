#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/program_starter.h"

namespace keyloom {

// The program and its arguments of a command line, split at spaces as a shell would split it,
// with double quotes grouping words; empty when the line names no program.
std::vector<std::string> SplitCommandLine(std::string_view command_line);

// Starts programs detached, never through a shell.
class QtProgramStarter final : public ProgramStarter {
 public:
  bool Start(std::string_view command_line) override;
};

}  // namespace keyloom
