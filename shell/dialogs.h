#pragma once

#include <string>
#include <string_view>

namespace keyloom {

// Common dialogs and modal message boxes. Message boxes block the window until answered.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // The chosen file's path; empty when the user cancels.
  virtual std::string ShowOpen() = 0;
  virtual std::string ShowSave() = 0;
  // A message with an OK button only and no icon.
  virtual void ShowMessage(std::string_view text, std::string_view title) = 0;
  // A question with Yes and No buttons and no icon; true for Yes.
  virtual bool AskYesNo(std::string_view text, std::string_view title) = 0;
};

}  // namespace keyloom
