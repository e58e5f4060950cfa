#pragma once

#include "shell/dialogs.h"

namespace keyloom {

// File dialogs and message boxes with Qt Widgets, modal, over the active window when there is
// one. Message boxes have no icon and the title they are given.
class QtDialogs final : public Dialogs {
 public:
  std::string ShowOpen() override;
  std::string ShowSave() override;
  void ShowMessage(std::string_view text, std::string_view title) override;
  bool AskYesNo(std::string_view text, std::string_view title) override;
};

}  // namespace keyloom
