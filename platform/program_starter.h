#pragma once

#include <string_view>

namespace keyloom {

class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;
  // Starts a command line as a program in a normal window that takes the focus, detached.
  // Never runs it through a shell. False when it cannot be started.
  virtual bool Start(std::string_view command_line) = 0;
};

}  // namespace keyloom
