#pragma once

namespace keyloom {

// The two programs that share the shell; where they differ, the shell asks which one it serves.
enum class Program { kQuipcast, kKeyloom };

constexpr const char* ProgramName(Program program) {
  return program == Program::kQuipcast ? "Quipcast" : "Keyloom";
}

}  // namespace keyloom
