#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "shell/excluded_applications.h"
#include "shell/program.h"
#include "shell/shell.h"
#include "shell/window_design.h"

namespace keyloom {

// The small window where the user edits the applications that the program leaves alone.
WindowDesign ExclusionsDialogDesign(Program program);

class ExclusionsDialog : private WindowEvents {
 public:
  static constexpr std::string_view kNamesId = "Text1";
  static constexpr std::string_view kAddLastId = "Command1";
  static constexpr std::string_view kOwnListId = "Check1";
  static constexpr std::string_view kOkId = "Command2";
  static constexpr std::string_view kCancelId = "Command3";

  // `last_application` names the application the user typed in last, other than the programs'
  // own; empty when there was none.
  ExclusionsDialog(Program program, Shell& shell, ExcludedApplications& list,
                   std::function<std::string()> last_application);

  // Shows the stored list; the window is created on first use.
  void Open();
  // The window, once it has been created; nullptr before.
  Window* window() { return window_.get(); }

 private:
  void OnCommand(std::string_view id) override;
  void OnCloseRequested() override;
  void AddLastApplication();
  void SaveAndClose();

  Program program_;
  Shell& shell_;
  ExcludedApplications& list_;
  std::function<std::string()> last_application_;
  std::unique_ptr<Window> window_;
};

}  // namespace keyloom
