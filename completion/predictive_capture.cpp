#include "completion/predictive_capture.h"

#include <algorithm>
#include <array>
#include <utility>

#include "completion/completion_settings.h"
#include "platform/key_char.h"
#include "platform/text.h"

namespace keyloom {
namespace {

constexpr int kFirstKeypadDigit = 96;

bool IsSentenceEnd(char32_t c) { return c == '.' || c == '!' || c == '?'; }

// The keys that type the punctuation marks of any layout, held while a space may be taken back.
constexpr std::array<int, 17> kPunctuationKeys = {48,  110, 186, 187, 188, 189, 190, 191, 192,
                                                  219, 220, 221, 222, 223, 226, 106, 111};

std::string Capitalized(std::string_view word) {
  std::size_t pos = 0;
  std::string first;
  AppendUtf8(first, NextCodePoint(word, pos));
  return ToUpper(first) + std::string(word.substr(pos));
}

}  // namespace

PredictiveCapture::PredictiveCapture(Window& main_window, SuggestionPopup& popup,
                                     KeystrokeOutput& output, ContextLookup lookup)
    : window_(main_window), popup_(popup), output_(output), lookup_(std::move(lookup)) {}

void PredictiveCapture::SetSettings(Settings settings) { settings_ = settings; }

void PredictiveCapture::HandleKey(KeyEvent& event) {
  if (IsModifierKey(event.key_code)) return;
  const bool space_added = std::exchange(space_added_, false);
  if (event.application != application_) {
    application_ = std::string(event.application);
    Reset();
  }
  Handle(event, space_added);
  TakeSteeringKeys();
}

void PredictiveCapture::Handle(KeyEvent& event, bool space_added) {
  if (const std::optional<std::size_t> index = PickedIndex(event)) {
    if (popup_.Visible() && Take(*index)) {
      event.discard = true;
      return;
    }
  }
  // Tab, Up and Down act on completions of a word being typed; on predictions of the next
  // word they stay the user's, to move on in a form or a text.
  const bool completing = popup_.Visible() && !current_word_.empty();
  switch (event.key_code) {
    case kVkTab:
      if (completing) {
        TakeSelected();
        event.discard = true;
        return;
      }
      break;
    case kVkUp:
    case kVkDown:
      if (completing &&
          popup_.MoveSelection(event.key_code == kVkUp ? SuggestionPopup::Direction::kUp
                                                       : SuggestionPopup::Direction::kDown)) {
        event.discard = true;
        return;
      }
      break;
    case kVkSpace:
      FinishWord();
      Lookup();
      return;
    case kVkEnter:
      FinishWord();
      context_.StartSentence();
      Lookup();
      return;
    case kVkEscape:
      popup_.HidePopup();
      return;
    case kVkDelete:
      if (event.modifiers == kShiftMask && popup_.Visible() && ForgetSelected()) {
        event.discard = true;
        return;
      }
      break;
    default:
      break;
  }
  const char32_t typed = TypedCharacter(event.key_code, event.modifiers, event.layout_char);
  if (IsWordLetter(typed) || (typed == '\'' && !current_word_.empty())) {
    Extend(typed);
    return;
  }
  if (typed != 0 && typed != ' ') {
    if (space_added && kSpaceTakers.find(typed) != std::u32string_view::npos) {
      TakeBackSpace(typed);
      event.discard = true;
    }
    FinishWord();
    if (IsSentenceEnd(typed)) {
      context_.StartSentence();
    } else if (typed >= '0' && typed <= '9') {
      context_.Forget();
    }
    popup_.HidePopup();
    return;
  }
  // A key that types nothing moves the cursor or runs a command: what lies around the cursor
  // is no longer known.
  Reset();
}

std::optional<std::size_t> PredictiveCapture::PickedIndex(const KeyEvent& event) const {
  if (event.modifiers != settings_.pick_modifiers) return std::nullopt;
  if (event.key_code >= '1' && event.key_code <= '9') {
    return static_cast<std::size_t>(event.key_code - '1');
  }
  if (event.key_code > kFirstKeypadDigit && event.key_code <= kFirstKeypadDigit + 9) {
    return static_cast<std::size_t>(event.key_code - kFirstKeypadDigit - 1);
  }
  return std::nullopt;
}

void PredictiveCapture::Extend(char32_t letter) {
  std::string character;
  AppendUtf8(character, letter);
  current_word_ += ToLower(character);
  const bool enabled = window_.Checked(kEnableCompletionId);
  if (enabled &&
      static_cast<long long>(CodePointCount(current_word_)) >= ReadLookupThreshold(window_)) {
    Lookup();
  } else {
    popup_.HidePopup();
  }
}

void PredictiveCapture::FinishWord() {
  if (current_word_.empty()) return;
  Tell(current_word_);
  context_.Push(std::exchange(current_word_, {}));
}

void PredictiveCapture::Lookup() {
  const std::optional<std::size_t> limit = ReadMaxWords(window_);
  if (!window_.Checked(kEnableCompletionId) || !limit || !lookup_) {
    popup_.HidePopup();
    return;
  }
  popup_.ResetCandidates();
  const bool capitalize = current_word_.empty() && context_.AtSentenceStart();
  for (std::string& word : lookup_(context_, current_word_, *limit)) {
    popup_.AddCandidate(capitalize ? Capitalized(word) : std::move(word));
  }
  if (popup_.candidates().empty()) popup_.HidePopup();
}

bool PredictiveCapture::Take(std::size_t index) {
  if (index >= popup_.candidates().size()) return false;
  std::string word = popup_.candidates()[index];
  if (!popup_.CompleteWithCandidate(index, current_word_, Suffix())) return false;
  Took(std::move(word));
  return true;
}

void PredictiveCapture::TakeSelected() {
  std::string word = popup_.current_candidate();
  popup_.CompleteWord(current_word_, Suffix());
  Took(std::move(word));
}

std::string_view PredictiveCapture::Suffix() const {
  return settings_.space_after_completion ? " " : "";
}

void PredictiveCapture::Took(std::string word) {
  current_word_.clear();
  Tell(word);
  context_.Push(ToLower(word));
  space_added_ = settings_.space_after_completion;
  Lookup();
}

void PredictiveCapture::TakeBackSpace(char32_t mark) {
  const KeyAction actions[] = {KeyAction::Named(NamedKey::kBackspace), KeyAction::Character(mark)};
  output_.Send(actions);
}

bool PredictiveCapture::ForgetSelected() {
  if (!history_ || !history_->Forget(context_, popup_.current_candidate())) return false;
  popup_.ClearCurrentCandidate();
  Lookup();
  return true;
}

void PredictiveCapture::Tell(std::string_view word) {
  if (history_ && !word.empty()) history_->WordTyped(context_, word);
}

void PredictiveCapture::Reset() {
  current_word_.clear();
  context_.Forget();
  space_added_ = false;
  popup_.ClearCurrentCandidate();
  popup_.HidePopup();
}

void PredictiveCapture::TakeSteeringKeys() {
  std::vector<int> keys;
  for (int digit = '1'; digit <= '9'; ++digit) keys.push_back(digit);
  for (int digit = kFirstKeypadDigit + 1; digit <= kFirstKeypadDigit + 9; ++digit) {
    keys.push_back(digit);
  }
  if (space_added_) keys.insert(keys.end(), kPunctuationKeys.begin(), kPunctuationKeys.end());
  popup_.SetExtraSteeringKeys(std::move(keys));
}

}  // namespace keyloom
