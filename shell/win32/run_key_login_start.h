#pragma once

#include "shell/login_start.h"

namespace keyloom {

// A value per program, named after it, in the user's
// HKCU\Software\Microsoft\Windows\CurrentVersion\Run, that starts the running program's file in
// the tray.
class RunKeyLoginStart final : public LoginStart {
 public:
  bool IsOn(std::string_view program) const override;
  bool Set(std::string_view program, bool on) override;
};

}  // namespace keyloom
