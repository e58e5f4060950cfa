#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "completion/clipboard_paste.h"
#include "platform/platform.h"
#include "shell/shell.h"

namespace keyloom {

// The pop-up that offers the candidates of the latest lookup, keeps one selected, hides itself
// once the display time has passed since its last change, and pastes the rest of the selected
// word. Its window is created on first use and afterwards only shown and hidden.
class SuggestionPopup : private WindowEvents {
 public:
  enum class Direction { kUp, kDown };
  // How the list orders its candidates: alphabetically, or as the lookup gave them (most
  // likely first).
  enum class Order { kAlphabetical, kAsGiven };

  // Where the window stands: at its designed place, or beside the text cursor of the window
  // being typed in (at the designed place when nothing tells where that is).
  enum class Placement { kDesigned, kAtCaret };

  // Heights in twips: an empty pop-up, and what each candidate adds.
  static constexpr int kEmptyHeight = 1000;
  static constexpr int kCandidateHeight = 200;
  // The list reaches this far below the window's bottom edge.
  static constexpr int kListOverhang = 200;
  static constexpr int kDefaultDisplayTimeMs = 5000;
  // Beside the caret, the window comes up and follows this long after a change, once the
  // application has moved its caret for the key, and never while a key waits on the handler.
  static constexpr int kCaretFollowDelayMs = 30;

  SuggestionPopup(Shell& shell, Platform& platform, WindowDesign design);

  // Empties the list and shrinks the window to its empty height; visibility and the current
  // candidate stay as they were.
  void ResetCandidates();
  // Inserts `word` at its place in the list's order, selects the first entry and shows the
  // pop-up.
  void AddCandidate(std::string word);
  void SetOrder(Order order) { order_ = order; }
  void SetPlacement(Placement placement);
  // Whether Delete (Shift+Delete forgets a candidate) is taken too while the pop-up shows.
  void OfferForgetKey(bool offered);
  // Moves the selection one entry; false when it is already at that end of the list.
  bool MoveSelection(Direction direction);
  // Hides the pop-up and pastes the current candidate beyond the code points of `typed_word`,
  // then `suffix`. A candidate no longer than the typed word pastes only the suffix.
  void CompleteWord(std::string_view typed_word, std::string_view suffix = {});
  // Selects candidate `index` and completes with it as CompleteWord does; false when there is
  // no such candidate.
  bool CompleteWithCandidate(std::size_t index, std::string_view typed_word,
                             std::string_view suffix);
  // Whether the list shows its first nine candidates numbered, for the keys that pick them.
  void SetNumbered(bool numbered);
  // Keys taken from the focused window while the pop-up shows, beyond Tab, Up and Down.
  void SetExtraSteeringKeys(std::vector<int> keys);
  // Hides the window only; the hide timer keeps running.
  void HidePopup();
  void ClearCurrentCandidate() { current_candidate_.clear(); }

  bool Visible() const;
  const std::string& current_candidate() const { return current_candidate_; }
  const std::vector<std::string>& candidates() const { return candidates_; }
  // The window, once it has been created; nullptr before first use.
  Window* window() { return window_.get(); }

  // How long the pop-up stays up after its last change; 0 keeps it up until a key hides it.
  void SetDisplayTimeMs(int milliseconds) { hide_timer_->SetInterval(milliseconds); }
  int DisplayTimeMs() const { return hide_timer_->Interval(); }

 private:
  void OnCommand(std::string_view /*id*/) override {}
  void OnListSelectionChanged(std::string_view id) override;

  Window& EnsureWindow();
  void SelectEntry(int index);
  // Follows the list's selection; a non-empty candidate shows the pop-up and restarts the
  // display time.
  void FollowSelection();
  void Show();
  void Hide();
  void OnHideTimer();
  // Takes the steering keys from the focused window while the pop-up shows.
  void ApplySteeringKeys();
  // Moves the window beside the caret, or to its designed place, and shows it.
  void PlaceAndShow();

  Shell& shell_;
  Platform& platform_;
  WindowDesign design_;
  std::unique_ptr<Window> window_;
  std::unique_ptr<Timer> hide_timer_;
  std::unique_ptr<Timer> place_timer_;
  ClipboardPaste paste_;
  std::vector<std::string> candidates_;
  std::string current_candidate_;
  Order order_ = Order::kAlphabetical;
  bool numbered_ = false;
  std::vector<int> extra_steering_keys_;
  bool forget_key_offered_ = false;
  Placement placement_ = Placement::kDesigned;
  ScreenRect designed_place_;  // pixels, as the window was created
  // Whether the pop-up is up: its window may still wait on the caret to come up.
  bool shown_ = false;
  int height_ = kEmptyHeight;  // twips
  std::vector<int> steering_keys_;
};

}  // namespace keyloom
