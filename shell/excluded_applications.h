#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shell/program.h"
#include "shell/settings_store.h"

namespace keyloom {

// Whether two application names name the same application: without regard to case, and with
// or without a program file's ".exe".
bool SameApplication(std::string_view a, std::string_view b);
// Whether the name is one of the two programs' own.
bool IsOwnApplication(std::string_view application);

// The list of applications where the programs never act, kept in the settings store: one list
// that both programs read, unless the user gave a program a list of its own.
class ExcludedApplications {
 public:
  struct Choice {
    std::vector<std::string> names;
    bool own_list = false;  // this program's own list instead of the shared one
  };

  ExcludedApplications(Program program, SettingsStore& settings);

  // Whether the program leaves keys to `application` alone. The list is read again whenever
  // the application changes, so that a list edited in the other program applies as soon as
  // the user goes to another window.
  bool Excludes(std::string_view application);

  Choice Load() const;
  // False when the store refused it.
  bool Save(const Choice& choice);

 private:
  Program program_;
  SettingsStore& settings_;
  std::string checked_application_;
  bool excluded_ = false;
};

}  // namespace keyloom
