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

// Follows the word being typed in any application and drives the pop-up from the keyboard.
// The settings are read from the main window's fields at every key, so a change applies at
// the next key.
class WordCapture {
 public:
  WordCapture(Window& main_window, SuggestionPopup& popup, WordLookup lookup);

  // One key press reported by the hook; withholds Up, Down and Tab when they act on the pop-up.
  void HandleKey(KeyEvent& event);

  // The characters typed since the word last ended, lower case.
  const std::string& current_word() const { return current_word_; }

 private:
  void LookupWords();
  void EndWord();

  Window& window_;
  SuggestionPopup& popup_;
  WordLookup lookup_;
  std::string current_word_;
};

}  // namespace keyloom
