#include "completion/word_capture.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "completion/completion_settings.h"
#include "completion/key_char.h"
#include "platform/text.h"

namespace keyloom {

WordCapture::WordCapture(Window& main_window, SuggestionPopup& popup, WordLookup lookup)
    : window_(main_window), popup_(popup), lookup_(std::move(lookup)) {}

void WordCapture::HandleKey(KeyEvent& event) {
  const int threshold = ReadLookupThreshold(window_);
  RepairMinWordLength(window_);
  const bool enabled = window_.Checked(kEnableCompletionId);
  const auto reaches_threshold = [&] {
    return static_cast<long long>(CodePointCount(current_word_)) >= threshold;
  };

  const std::string character = WordCharacter(event.key_code, event.modifiers);
  if (!character.empty()) {
    current_word_ += character;
    if (enabled && reaches_threshold()) LookupWords();
  }
  // While the pop-up offers words, a space belongs to the text being completed.
  const bool space_ends_word = !(enabled && reaches_threshold() && popup_.Visible());

  switch (event.key_code) {
    case kVkUp:
    case kVkDown:
      if (popup_.Visible()) {
        const auto direction = event.key_code == kVkUp ? SuggestionPopup::Direction::kUp
                                                       : SuggestionPopup::Direction::kDown;
        if (popup_.MoveSelection(direction)) event.discard = true;
      }
      break;
    case kVkTab:
      if (popup_.Visible()) {
        popup_.CompleteWord(current_word_);
        event.discard = true;
      }
      EndWord();
      break;
    case kVkEnter:
    case kVkBackspace:
      EndWord();
      break;
    case kVkSpace:
      if (space_ends_word) EndWord();
      break;
    case kVkEscape:
      popup_.HidePopup();
      break;
    default:
      break;
  }
}

void WordCapture::LookupWords() {
  popup_.ResetCandidates();
  // The store is asked with spaces for apostrophes, and the word keeps them from now on.
  std::replace(current_word_.begin(), current_word_.end(), '\'', ' ');
  const std::optional<std::size_t> limit = ReadMaxWords(window_);
  if (!limit || !lookup_) return;
  for (std::string& word : lookup_(current_word_, *limit)) popup_.AddCandidate(std::move(word));
}

void WordCapture::EndWord() {
  current_word_.clear();
  popup_.ClearCurrentCandidate();
  popup_.HidePopup();
}

}  // namespace keyloom
