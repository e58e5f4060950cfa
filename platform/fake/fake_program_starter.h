#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/program_starter.h"

namespace keyloom {

// Records the command lines it is asked to start; starts nothing.
class FakeProgramStarter final : public ProgramStarter {
 public:
  bool Start(std::string_view command_line) override {
    command_lines_.emplace_back(command_line);
    return !fails_;
  }

  void set_fails(bool fails) { fails_ = fails; }
  // Every command line asked for, in order, also those that failed.
  const std::vector<std::string>& command_lines() const { return command_lines_; }

 private:
  bool fails_ = false;
  std::vector<std::string> command_lines_;
};

}  // namespace keyloom
