#pragma once

#include <string_view>

namespace keyloom {

// Starting a program when the user logs in, kept where the system keeps it. The system starts
// the running program's own file, with kInTrayArgument.
class LoginStart {
 public:
  virtual ~LoginStart() = default;
  // `program` is the program's name, "Quipcast" or "Keyloom".
  virtual bool IsOn(std::string_view program) const = 0;
  // False when the system's store could not be changed.
  virtual bool Set(std::string_view program, bool on) = 0;
};

// What a program started at login gets: it starts in the tray.
inline constexpr std::string_view kInTrayArgument = "--in-tray";

// Whether a program's arguments (what follows its file on the command line) ask it to start in
// the tray.
inline bool AsksToStartInTray(std::string_view arguments) { return arguments == kInTrayArgument; }

}  // namespace keyloom
