#include "shell/fake/fake_dialogs.h"

#include <stdexcept>

namespace keyloom {
namespace {

template <typename T>
T TakeNext(std::deque<T>& answers, const char* what) {
  if (answers.empty()) throw std::logic_error(std::string("FakeDialogs: unscripted ") + what);
  T answer = std::move(answers.front());
  answers.pop_front();
  return answer;
}

}  // namespace

std::string FakeDialogs::ShowOpen() {
  ++open_count_;
  return TakeNext(open_answers_, "ShowOpen");
}

std::string FakeDialogs::ShowSave() {
  ++save_count_;
  return TakeNext(save_answers_, "ShowSave");
}

void FakeDialogs::ShowMessage(std::string_view text, std::string_view title) {
  messages_.push_back({std::string(text), std::string(title)});
}

bool FakeDialogs::AskYesNo(std::string_view text, std::string_view title) {
  questions_.push_back({std::string(text), std::string(title)});
  return TakeNext(yes_no_answers_, ("AskYesNo: " + std::string(text)).c_str());
}

bool FakeDialogs::AllAnswered() const {
  return open_answers_.empty() && save_answers_.empty() && yes_no_answers_.empty();
}

}  // namespace keyloom
