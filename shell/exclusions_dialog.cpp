#include "shell/exclusions_dialog.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/text.h"
#include "shell/app_texts.h"

namespace keyloom {
namespace {

constexpr std::string_view kNoLastApplication =
    "No other application has had the keyboard since the program started. Type something in the "
    "application first, then come back.";
constexpr std::string_view kSaveFailed =
    "The list could not be saved in the settings store; the applications stay as they were.";

// The names of the text box, one per line (Windows ends them with CR LF).
std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  std::string line;
  for (const char c : text) {
    if (c == '\r' || c == '\n') {
      if (!TrimSpaces(line).empty()) lines.emplace_back(TrimSpaces(line));
      line.clear();
    } else {
      line += c;
    }
  }
  if (!TrimSpaces(line).empty()) lines.emplace_back(TrimSpaces(line));
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace

WindowDesign ExclusionsDialogDesign(Program program) {
  using enum ControlKind;
  const std::string name = ProgramName(program);
  WindowDesign design;
  design.id = "Form3";
  design.caption = "Excluded Applications - " + name;
  design.style = WindowStyle::kMain;
  design.client_size = {5400, 3840};
  design.controls = {
      {kLabel,
       "Label1",
       name + " never acts in these applications, one per line: the program file on Windows "
              "(notepad.exe), the window class on Linux (xterm).",
       "",
       {120, 120, 5160, 660}},
      {kMultiLineTextBox, "Text1", "", "", {120, 840, 5160, 1560}, 0},
      {kButton, "Command1", "Add the application I used last", "", {120, 2520, 3120, 375}, 1},
      {kCheckBox, "Check1", "Use this list for " + name + " only", "", {120, 3000, 5160, 255}, 2},
      {kButton, "Command2", "OK", "", {2880, 3360, 1140, 375}, 3},
      {kButton, "Command3", "Cancel", "", {4140, 3360, 1140, 375}, 4},
  };
  return design;
}

ExclusionsDialog::ExclusionsDialog(Program program, Shell& shell, ExcludedApplications& list,
                                   std::function<std::string()> last_application)
    : program_(program),
      shell_(shell),
      list_(list),
      last_application_(std::move(last_application)) {}

void ExclusionsDialog::Open() {
  if (!window_) window_ = shell_.CreateWindow(ExclusionsDialogDesign(program_), *this);
  const ExcludedApplications::Choice choice = list_.Load();
  window_->SetText(kNamesId, JoinLines(choice.names));
  window_->SetChecked(kOwnListId, choice.own_list);
  window_->Show();
}

void ExclusionsDialog::OnCommand(std::string_view id) {
  if (id == kAddLastId) {
    AddLastApplication();
  } else if (id == kOkId) {
    SaveAndClose();
  } else if (id == kCancelId) {
    window_->Hide();
  }
}

void ExclusionsDialog::OnCloseRequested() { window_->Hide(); }

void ExclusionsDialog::AddLastApplication() {
  const std::string last = last_application_();
  if (last.empty()) {
    shell_.dialogs().ShowMessage(kNoLastApplication, kApplicationTitle);
    return;
  }
  std::vector<std::string> names = Lines(window_->Text(kNamesId));
  if (std::none_of(names.begin(), names.end(),
                   [&](const std::string& name) { return SameApplication(name, last); })) {
    names.push_back(last);
  }
  window_->SetText(kNamesId, JoinLines(names));
}

void ExclusionsDialog::SaveAndClose() {
  if (!list_.Save({Lines(window_->Text(kNamesId)), window_->Checked(kOwnListId)})) {
    shell_.dialogs().ShowMessage(kSaveFailed, kApplicationTitle);
    return;
  }
  window_->Hide();
}

}  // namespace keyloom
