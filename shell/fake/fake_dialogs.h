#pragma once

#include <deque>
#include <string>
#include <vector>

#include "shell/dialogs.h"

namespace keyloom {

// Dialogs answered from a script. A call that the test did not script (an open, save or
// question with its queue empty) is a test failure: it throws std::logic_error.
class FakeDialogs final : public Dialogs {
 public:
  struct Shown {
    std::string text;
    std::string title;
  };

  std::string ShowOpen() override;
  std::string ShowSave() override;
  void ShowMessage(std::string_view text, std::string_view title) override;
  bool AskYesNo(std::string_view text, std::string_view title) override;

  // The next answers, in order; an empty file name is the user cancelling.
  void QueueOpen(std::string file_name) { open_answers_.push_back(std::move(file_name)); }
  void QueueSave(std::string file_name) { save_answers_.push_back(std::move(file_name)); }
  void QueueAnswer(bool yes) { yes_no_answers_.push_back(yes); }

  const std::vector<Shown>& messages() const { return messages_; }
  const std::vector<Shown>& questions() const { return questions_; }
  int open_count() const { return open_count_; }
  int save_count() const { return save_count_; }
  // True when every scripted answer has been used.
  bool AllAnswered() const;

 private:
  std::deque<std::string> open_answers_;
  std::deque<std::string> save_answers_;
  std::deque<bool> yes_no_answers_;
  std::vector<Shown> messages_;
  std::vector<Shown> questions_;
  int open_count_ = 0;
  int save_count_ = 0;
};

}  // namespace keyloom
