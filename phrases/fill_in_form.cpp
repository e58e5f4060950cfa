#include "phrases/fill_in_form.h"

#include <algorithm>
#include <utility>

#include "shell/program.h"

namespace keyloom {
namespace {

constexpr int kMargin = 120;
constexpr int kWidth = 4800;
constexpr int kLabelHeight = 255;
constexpr int kTextHeight = 285;
constexpr int kChoiceHeight = 225;
constexpr int kMaxChoicesShown = 5;
constexpr int kButtonWidth = 1140;
constexpr int kButtonHeight = 375;

}  // namespace

std::string FillInForm::LabelId(std::size_t index) { return "Label" + std::to_string(index + 1); }
std::string FillInForm::FieldId(std::size_t index) { return "Field" + std::to_string(index + 1); }

WindowDesign FillInFormDesign(const std::vector<FillInField>& fields) {
  using enum ControlKind;
  WindowDesign design;
  design.id = "Form4";
  design.caption = std::string("Fill In - ") + ProgramName(Program::kQuipcast);
  design.style = WindowStyle::kMain;
  design.default_button = FillInForm::kOkId;
  design.cancel_button = FillInForm::kCancelId;
  design.returns_focus = true;
  const int inner = kWidth - 2 * kMargin;
  int top = kMargin;
  int tab = 0;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const FillInField& field = fields[i];
    design.controls.push_back(
        {kLabel, FillInForm::LabelId(i), field.name, "", {kMargin, top, inner, kLabelHeight}});
    top += kLabelHeight + 15;
    const int shown = std::min(static_cast<int>(field.choices.size()), kMaxChoicesShown);
    const int height = field.choices.empty() ? kTextHeight : shown * kChoiceHeight + 60;
    design.controls.push_back({field.choices.empty() ? kTextBox : kListBox,
                               FillInForm::FieldId(i),
                               "",
                               "",
                               {kMargin, top, inner, height},
                               tab++});
    top += height + kMargin;
  }
  const int buttons_left = kWidth - kMargin - 2 * kButtonWidth - kMargin;
  design.controls.push_back({kButton,
                             std::string(FillInForm::kOkId),
                             "OK",
                             "",
                             {buttons_left, top, kButtonWidth, kButtonHeight},
                             tab++});
  design.controls.push_back(
      {kButton,
       std::string(FillInForm::kCancelId),
       "Cancel",
       "",
       {buttons_left + kButtonWidth + kMargin, top, kButtonWidth, kButtonHeight},
       tab++});
  design.client_size = {kWidth, top + kButtonHeight + kMargin};
  return design;
}

FillInForm::FillInForm(Shell& shell)
    : shell_(shell),
      show_timer_(shell.CreateTimer([this] { ShowForm(); })),
      answer_timer_(shell.CreateTimer([this] { Answer(); })) {
  show_timer_->SetInterval(kShowDelayMs);
  answer_timer_->SetInterval(kFocusReturnMs);
}

void FillInForm::Ask(const std::vector<FillInField>& fields, FillInAnswer answered) {
  if (Busy()) {
    Finish(std::nullopt);
    Answer();
  }
  fields_ = fields;
  answered_ = std::move(answered);
  window_ = shell_.CreateWindow(FillInFormDesign(fields_), *this);
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    if (fields_[i].choices.empty()) continue;
    window_->SetListItems(FieldId(i), fields_[i].choices);
    window_->SetSelectedListIndex(FieldId(i), 0);
  }
  show_timer_->Restart();
}

void FillInForm::ShowForm() {
  show_timer_->SetEnabled(false);
  if (window_) window_->Show();
}

void FillInForm::OnCommand(std::string_view id) {
  if (id == kCancelId) {
    Finish(std::nullopt);
  } else if (id == kOkId) {
    std::vector<std::string> values;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
      const FillInField& field = fields_[i];
      if (field.choices.empty()) {
        values.push_back(window_->Text(FieldId(i)));
        continue;
      }
      const int selected = window_->SelectedListIndex(FieldId(i));
      values.push_back(selected >= 0 && static_cast<std::size_t>(selected) < field.choices.size()
                           ? field.choices[static_cast<std::size_t>(selected)]
                           : std::string());
    }
    Finish(std::move(values));
  }
}

void FillInForm::Finish(std::optional<std::vector<std::string>> values) {
  if (!window_ || answer_timer_->Enabled()) return;
  show_timer_->SetEnabled(false);
  values_ = std::move(values);
  // Hidden now, the focus goes back; the window itself goes with the answer, outside its own
  // event.
  window_->Hide();
  answer_timer_->SetEnabled(true);
}

void FillInForm::Answer() {
  answer_timer_->SetEnabled(false);
  window_.reset();
  FillInAnswer answered = std::exchange(answered_, nullptr);
  std::optional<std::vector<std::string>> values = std::exchange(values_, std::nullopt);
  // What the user typed is kept no longer than it takes to send it.
  fields_.clear();
  if (answered) answered(std::move(values));
}

}  // namespace keyloom
