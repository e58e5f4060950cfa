#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "completion/suggestion_popup.h"
#include "completion/word_context.h"
#include "platform/key_event.h"
#include "platform/keystroke_output.h"
#include "shell/window.h"

namespace keyloom {

// At most `limit` words likely after `context` that begin with `prefix`, the likeliest first.
using ContextLookup = std::function<std::vector<std::string>(
    const WordContext& context, std::string_view prefix, std::size_t limit)>;

// Hears of the words the user typed or took, with the words before them, and forgets one on
// request.
class PhraseHistory {
 public:
  virtual ~PhraseHistory() = default;
  virtual void WordTyped(const WordContext& before, std::string_view word) = 0;
  // False when `word` was not one the history offers after `before`.
  virtual bool Forget(const WordContext& before, std::string_view word) = 0;
};

// Follows the text being typed while Predict Words is on, as a phone keyboard does: the pop-up
// offers the likely next words as soon as a word ends and the likely completions from the first
// letter on, both ranked by the words before; one chord takes any of the first nine; a word
// ends at a space, a punctuation mark or Enter; a completion may add the space after the word,
// which a punctuation mark typed next takes back. The main window's fields are read at every
// key, as in the default completion.
class PredictiveCapture {
 public:
  // What takes back the space that a completion added.
  static constexpr std::u32string_view kSpaceTakers = U".,;:!?)";

  struct Settings {
    int pick_modifiers = kCtrlMask;  // held with 1 to 9 to take a candidate
    bool space_after_completion = true;
  };

  PredictiveCapture(Window& main_window, SuggestionPopup& popup, KeystrokeOutput& output,
                    ContextLookup lookup);

  // One key press reported by the hook; withholds the keys that act on the pop-up.
  void HandleKey(KeyEvent& event);
  void SetSettings(Settings settings);
  // nullptr (the default) tells no one and forgets nothing.
  void SetHistory(PhraseHistory* history) { history_ = history; }
  // Forgets the word being typed and what came before it, and hides the pop-up.
  void Reset();
  // Has the pop-up take, while it shows, the pick chords' keys and, while a space may be taken
  // back, the keys of punctuation marks.
  void TakeSteeringKeys();

  const std::string& current_word() const { return current_word_; }
  const WordContext& context() const { return context_; }

 private:
  void Handle(KeyEvent& event, bool space_added);
  std::optional<std::size_t> PickedIndex(const KeyEvent& event) const;
  void Extend(char32_t letter);
  // The word typed so far joins the context.
  void FinishWord();
  // Offers the candidates for `prefix` after the context; hides the pop-up when there are none.
  void Lookup();
  // Takes candidate `index`; false when there is none.
  bool Take(std::size_t index);
  void TakeSelected();
  // What follows a completion: a space, or nothing.
  std::string_view Suffix() const;
  // The taken word joins the context, and the next word is predicted.
  void Took(std::string word);
  void TakeBackSpace(char32_t mark);
  bool ForgetSelected();
  void Tell(std::string_view word);

  Window& window_;
  SuggestionPopup& popup_;
  KeystrokeOutput& output_;
  ContextLookup lookup_;
  Settings settings_;
  PhraseHistory* history_ = nullptr;
  std::string current_word_;  // lower case
  WordContext context_;
  std::string application_;   // where the keys went, as the last key event named it
  bool space_added_ = false;  // the last key took a candidate and added the space after it
};

}  // namespace keyloom
