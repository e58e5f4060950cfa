#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "phrases/fill_ins.h"
#include "phrases/playback.h"
#include "shell/shell.h"
#include "shell/timer.h"
#include "shell/window.h"
#include "shell/window_design.h"

namespace keyloom {

// The small window that asks for a phrase's fill-in fields: a text box for each input, a list
// for each choice, one under the other in the fields' order, then OK and Cancel. It takes the
// focus; Enter sends, Escape or closing sends nothing.
WindowDesign FillInFormDesign(const std::vector<FillInField>& fields);

class FillInForm : private WindowEvents {
 public:
  static constexpr std::string_view kOkId = "Command1";
  static constexpr std::string_view kCancelId = "Command2";
  // The controls of field `index`: its label, and its text box or list.
  static std::string LabelId(std::size_t index);
  static std::string FieldId(std::size_t index);
  // The form comes up once the key that ended the launch has reached the window typed in (on
  // Windows it would go to the form otherwise); after the form has gone, the focus needs a
  // moment to reach that window again.
  static constexpr int kShowDelayMs = 100;
  static constexpr int kFocusReturnMs = 100;

  explicit FillInForm(Shell& shell);

  // Shows the form for `fields`; `answered` runs once the form has gone and the focus is back.
  // A form still open is cancelled first.
  void Ask(const std::vector<FillInField>& fields, FillInAnswer answered);
  // Whether the form shows, or has gone and its answer is still to come.
  bool Busy() const { return answered_ != nullptr; }
  Window* window() { return window_.get(); }

 private:
  void OnCommand(std::string_view id) override;
  void OnCloseRequested() override { Finish(std::nullopt); }
  void Finish(std::optional<std::vector<std::string>> values);
  void Answer();
  void ShowForm();

  Shell& shell_;
  std::unique_ptr<Timer> show_timer_;
  std::unique_ptr<Timer> answer_timer_;
  std::unique_ptr<Window> window_;
  std::vector<FillInField> fields_;
  FillInAnswer answered_;
  std::optional<std::vector<std::string>> values_;
};

}  // namespace keyloom
