#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/keyboard_hook.h"
#include "shell/shell.h"
#include "shell/window.h"
#include "shell/window_design.h"

namespace keyloom {

// The small window where the user names the chord that opens the phrase picker.
WindowDesign PickerChordDialogDesign();

class PickerChordDialog : private WindowEvents {
 public:
  static constexpr std::string_view kChordId = "Text1";
  static constexpr std::string_view kOkId = "Command1";
  static constexpr std::string_view kCancelId = "Command2";

  // `changed` gets the chord the user saved; nullopt turns the picker off.
  PickerChordDialog(Shell& shell, std::function<void(std::optional<KeyChord>)> changed);

  // Shows the stored chord; the window is created on first use.
  void Open();
  Window* window() { return window_.get(); }

 private:
  void OnCommand(std::string_view id) override;
  void OnCloseRequested() override { window_->Hide(); }
  void SaveAndClose();

  Shell& shell_;
  std::function<void(std::optional<KeyChord>)> changed_;
  std::unique_ptr<Window> window_;
};

}  // namespace keyloom
