#pragma once

#include "shell/win32/win32_api.h"

#include <functional>
#include <string>
#include <string_view>

#include "shell/dialogs.h"

namespace keyloom {

// The common open and save dialogs with the system's defaults, and modal message boxes owned
// by the program's active window.
class Win32Dialogs final : public Dialogs {
 public:
  explicit Win32Dialogs(std::function<HWND()> owner) : owner_(std::move(owner)) {}

  std::string ShowOpen() override;
  std::string ShowSave() override;
  void ShowMessage(std::string_view text, std::string_view title) override;
  bool AskYesNo(std::string_view text, std::string_view title) override;

 private:
  std::function<HWND()> owner_;
};

}  // namespace keyloom
