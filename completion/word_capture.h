#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "completion/suggestion_popup.h"
#include "platform/key_event.h"
#include "shell/window.h"

namespace keyloom {

// At most `limit` words that begin with `prefix`, matched literally and without regard to
// case, in store order. Empty when there is no store to ask.
using WordLookup =
    std::function<std::vector<std::string>(std::string_view prefix, std::size_t limit)>;

// Hears of the words the user typed or took from the pop-up, and forgets one on request.
class WordHistory {
 public:
  virtual ~WordHistory() = default;
  virtual void WordTyped(std::string_view word) = 0;
  // False when `word` was not one the history offers.
  virtual bool Forget(std::string_view word) = 0;
};

// Follows the word being typed in any application and drives the pop-up from the keyboard.
// The settings are read from the main window's fields at every key, so a change applies at
// the next key.
class WordCapture {
 public:
  WordCapture(Window& main_window, SuggestionPopup& popup, WordLookup lookup);

  // One key press reported by the hook; withholds Up, Down and Tab when they act on the pop-up,
  // and Shift+Delete when it forgets the selected candidate.
  void HandleKey(KeyEvent& event);
  // nullptr (the default) tells no one and forgets nothing.
  void SetHistory(WordHistory* history);
  // Forgets the word being typed and hides the pop-up.
  void EndWord();

  // The characters typed since the word last ended, lower case.
  const std::string& current_word() const { return current_word_; }

 private:
  void LookupWords();
  // The text typed since the last space, which the word may run on past while the pop-up shows.
  std::string_view LastPart() const;
  void TellTyped(std::string_view word);
  bool ForgetSelected();

  Window& window_;
  SuggestionPopup& popup_;
  WordLookup lookup_;
  std::string current_word_;
  std::size_t last_part_start_ = 0;
  WordHistory* history_ = nullptr;
};

}  // namespace keyloom
