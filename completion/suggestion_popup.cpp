#include "completion/suggestion_popup.h"

#include <algorithm>
#include <array>
#include <utility>

#include "platform/key_event.h"
#include "platform/text.h"
#include "shell/popup_at_caret.h"

namespace keyloom {
namespace {

constexpr std::string_view kListId = "List1";

// Keys the pop-up takes from the focused window while it shows.
constexpr std::array<int, 3> kSteeringKeys = {kVkTab, kVkUp, kVkDown};

}  // namespace

SuggestionPopup::SuggestionPopup(Shell& shell, Platform& platform, WindowDesign design)
    : shell_(shell),
      platform_(platform),
      design_(std::move(design)),
      hide_timer_(shell.CreateTimer([this] { OnHideTimer(); })),
      place_timer_(shell.CreateTimer([this] { PlaceAndShow(); })),
      paste_(shell, platform),
      steering_keys_(kSteeringKeys.begin(), kSteeringKeys.end()) {
  hide_timer_->SetInterval(kDefaultDisplayTimeMs);
  place_timer_->SetInterval(kCaretFollowDelayMs);
}

void SuggestionPopup::SetPlacement(Placement placement) {
  placement_ = placement;
  if (placement == Placement::kDesigned && window_) {
    place_timer_->SetEnabled(false);
    window_->MoveOnScreen(designed_place_.left, designed_place_.top);
    if (shown_) window_->Show();
  }
}

void SuggestionPopup::OfferForgetKey(bool offered) {
  forget_key_offered_ = offered;
  ApplySteeringKeys();
}

void SuggestionPopup::SetExtraSteeringKeys(std::vector<int> keys) {
  if (keys == extra_steering_keys_) return;
  extra_steering_keys_ = std::move(keys);
  ApplySteeringKeys();
}

void SuggestionPopup::ApplySteeringKeys() {
  steering_keys_.assign(kSteeringKeys.begin(), kSteeringKeys.end());
  if (forget_key_offered_) steering_keys_.push_back(kVkDelete);
  steering_keys_.insert(steering_keys_.end(), extra_steering_keys_.begin(),
                        extra_steering_keys_.end());
  if (Visible()) platform_.hook().SetWithholdableKeys(steering_keys_);
}

void SuggestionPopup::SetNumbered(bool numbered) {
  numbered_ = numbered;
  if (window_) window_->SetListNumbered(kListId, numbered);
}

void SuggestionPopup::ResetCandidates() {
  Window& window = EnsureWindow();
  candidates_.clear();
  window.SetListItems(kListId, candidates_);
  height_ = kEmptyHeight;
  window.SetSize({window.Size().width, height_});
  // An empty pop-up that stays up still follows the caret.
  if (shown_ && placement_ == Placement::kAtCaret) place_timer_->Restart();
}

void SuggestionPopup::AddCandidate(std::string word) {
  Window& window = EnsureWindow();
  // After its equals, as the sorted list box inserts.
  const auto place =
      order_ == Order::kAsGiven
          ? candidates_.end()
          : std::upper_bound(candidates_.begin(), candidates_.end(), word, LessNoCase);
  const auto index = static_cast<std::size_t>(place - candidates_.begin());
  window.InsertListItem(kListId, index, word);
  candidates_.insert(place, std::move(word));
  SelectEntry(0);

  // Grown in twips, never from the size read back: a screen rounds that to whole pixels, and
  // the rounding would add up over the candidates.
  height_ += kCandidateHeight;
  window.SetSize({window.Size().width, height_});
  TwipRect list = window.Rect(kListId);
  list.height = height_ + kListOverhang;
  window.SetRect(kListId, list);
}

bool SuggestionPopup::MoveSelection(Direction direction) {
  if (!window_) return false;
  const int selected = window_->SelectedListIndex(kListId);
  const int count = static_cast<int>(candidates_.size());
  if (direction == Direction::kDown && selected < count - 1) {
    SelectEntry(selected + 1);
    return true;
  }
  if (direction == Direction::kUp && selected > 0) {
    SelectEntry(selected - 1);
    return true;
  }
  return false;
}

bool SuggestionPopup::CompleteWithCandidate(std::size_t index, std::string_view typed_word,
                                            std::string_view suffix) {
  if (!window_ || index >= candidates_.size()) return false;
  window_->SetSelectedListIndex(kListId, static_cast<int>(index));
  current_candidate_ = candidates_[index];
  CompleteWord(typed_word, suffix);
  return true;
}

void SuggestionPopup::CompleteWord(std::string_view typed_word, std::string_view suffix) {
  std::string rest(DropCodePoints(current_candidate_, CodePointCount(typed_word)));
  rest += suffix;
  current_candidate_.clear();
  // Shift+Insert with nothing of ours on the clipboard would paste the user's own text (or,
  // on X11, the primary selection), so an empty rest sends nothing. The rest goes out before
  // the pop-up hides: the user's next keys are held from the output's first key on, and the
  // sooner that comes after the Tab, the fewer keys can slip ahead of it.
  if (!rest.empty()) paste_.Paste(rest);
  Hide();
}

void SuggestionPopup::HidePopup() { Hide(); }

bool SuggestionPopup::Visible() const { return shown_; }

void SuggestionPopup::OnListSelectionChanged(std::string_view id) {
  if (id == kListId) FollowSelection();
}

Window& SuggestionPopup::EnsureWindow() {
  if (!window_) {
    window_ = shell_.CreateWindow(design_, *this);
    designed_place_ = window_->ScreenFrame();
    if (numbered_) window_->SetListNumbered(kListId, true);
  }
  return *window_;
}

void SuggestionPopup::SelectEntry(int index) {
  window_->SetSelectedListIndex(kListId, index);
  FollowSelection();
}

void SuggestionPopup::FollowSelection() {
  const int selected = window_->SelectedListIndex(kListId);
  current_candidate_ = selected >= 0 && selected < static_cast<int>(candidates_.size())
                           ? candidates_[static_cast<std::size_t>(selected)]
                           : std::string();
  if (current_candidate_.empty()) return;
  Show();
  hide_timer_->Restart();
}

void SuggestionPopup::Show() {
  if (placement_ == Placement::kAtCaret) {
    place_timer_->Restart();
  } else if (!shown_) {
    window_->Show();
  }
  if (shown_) return;
  shown_ = true;
  platform_.hook().SetWithholdableKeys(steering_keys_);
}

void SuggestionPopup::Hide() {
  if (!shown_) return;
  shown_ = false;
  place_timer_->SetEnabled(false);
  window_->Hide();
  platform_.hook().SetWithholdableKeys({});
}

void SuggestionPopup::PlaceAndShow() {
  place_timer_->SetEnabled(false);
  if (!shown_) return;
  ShowPopupAtCaret(*window_, platform_.caret(), designed_place_);
}

void SuggestionPopup::OnHideTimer() {
  current_candidate_.clear();
  Hide();
  hide_timer_->SetEnabled(false);
}

}  // namespace keyloom
