#include "completion/word_capture.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "completion/completion_settings.h"
#include "platform/key_char.h"
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

  const std::string character = WordCharacter(event.key_code, event.modifiers, event.layout_char);
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
        TellTyped(popup_.current_candidate());
        popup_.CompleteWord(current_word_);
        event.discard = true;
      } else {
        TellTyped(LastPart());
      }
      EndWord();
      break;
    case kVkEnter:
      TellTyped(LastPart());
      EndWord();
      break;
    case kVkBackspace:
      EndWord();
      break;
    case kVkSpace:
      TellTyped(LastPart());
      if (space_ends_word) {
        EndWord();
      } else {
        last_part_start_ = current_word_.size();
      }
      break;
    case kVkDelete:
      if (event.modifiers == kShiftMask && popup_.Visible() && ForgetSelected()) {
        event.discard = true;
      }
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

void WordCapture::SetHistory(WordHistory* history) {
  history_ = history;
  popup_.OfferForgetKey(history != nullptr);
}

std::string_view WordCapture::LastPart() const {
  return std::string_view(current_word_).substr(std::min(last_part_start_, current_word_.size()));
}

void WordCapture::TellTyped(std::string_view word) {
  if (history_ && !word.empty()) history_->WordTyped(word);
}

bool WordCapture::ForgetSelected() {
  if (!history_ || !history_->Forget(popup_.current_candidate())) return false;
  popup_.ClearCurrentCandidate();
  LookupWords();
  if (popup_.candidates().empty()) popup_.HidePopup();
  return true;
}

void WordCapture::EndWord() {
  current_word_.clear();
  last_part_start_ = 0;
  popup_.ClearCurrentCandidate();
  popup_.HidePopup();
}

}  // namespace keyloom
