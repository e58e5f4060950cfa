#pragma once

#include <QString>

#include "shell/login_start.h"

namespace keyloom {

// An XDG autostart entry per program, <name>.desktop in $XDG_CONFIG_HOME/autostart, that starts
// the running program's file in the tray.
class XdgLoginStart final : public LoginStart {
 public:
  bool IsOn(std::string_view program) const override;
  bool Set(std::string_view program, bool on) override;

  // The entry's Exec value: the program file quoted as desktop entries quote it.
  static QString ExecLine(const QString& program_file);
};

}  // namespace keyloom
