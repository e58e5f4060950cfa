#include "phrases/picker_chord_dialog.h"

#include <string>
#include <utility>

#include "phrases/picker_chord.h"
#include "shell/app_texts.h"
#include "shell/settings.h"

namespace keyloom {
namespace {

constexpr std::string_view kSaveFailed =
    "The chord could not be saved in the settings store; it stays as it was.";

}  // namespace

WindowDesign PickerChordDialogDesign() {
  using enum ControlKind;
  WindowDesign design;
  design.id = "Form6";
  design.caption = "Phrase Picker - Quipcast";
  design.style = WindowStyle::kMain;
  design.client_size = {5400, 1980};
  design.default_button = std::string(PickerChordDialog::kOkId);
  design.cancel_button = std::string(PickerChordDialog::kCancelId);
  design.controls = {
      {kLabel,
       "Label1",
       "The keys that open the phrase picker, such as Ctrl+Shift+Space or Ctrl+Alt+P. Leave it "
       "empty for no picker.",
       "",
       {120, 120, 5160, 660}},
      {kTextBox, "Text1", "", "", {120, 840, 5160, 285}, 0},
      {kButton, "Command1", "OK", "", {2880, 1440, 1140, 375}, 1},
      {kButton, "Command2", "Cancel", "", {4140, 1440, 1140, 375}, 2},
  };
  return design;
}

PickerChordDialog::PickerChordDialog(Shell& shell,
                                     std::function<void(std::optional<KeyChord>)> changed)
    : shell_(shell), changed_(std::move(changed)) {}

void PickerChordDialog::Open() {
  if (!window_) window_ = shell_.CreateWindow(PickerChordDialogDesign(), *this);
  const std::optional<KeyChord> chord = LoadPickerChord(shell_.settings());
  window_->SetText(kChordId, chord ? ChordName(*chord) : std::string());
  window_->Show();
}

void PickerChordDialog::OnCommand(std::string_view id) {
  if (id == kOkId) {
    SaveAndClose();
  } else if (id == kCancelId) {
    window_->Hide();
  }
}

void PickerChordDialog::SaveAndClose() {
  const ChordReading reading = ReadChordName(window_->Text(kChordId));
  if (!reading.problem.empty()) {
    shell_.dialogs().ShowMessage(reading.problem, kApplicationTitle);
    return;
  }
  const std::string name = reading.chord ? ChordName(*reading.chord) : std::string();
  if (!shell_.settings().Write(kOptionsSection, kPickerChordSetting, name)) {
    shell_.dialogs().ShowMessage(kSaveFailed, kApplicationTitle);
    return;
  }
  window_->Hide();
  changed_(reading.chord);
}

}  // namespace keyloom
