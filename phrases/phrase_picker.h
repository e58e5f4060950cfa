#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "phrases/phrase_ranking.h"
#include "platform/key_event.h"
#include "platform/platform.h"
#include "shell/shell.h"
#include "shell/timer.h"
#include "shell/window.h"
#include "shell/window_design.h"

namespace keyloom {

// An entry the user chose in the picker, to be sent as its launch would send it.
struct PickedEntry {
  std::string launch_keys;
  std::string send_string;  // without the applications it applies to
  bool press_enter = false;
};

// The small list of the entries at the text cursor: the line the user types to find one, and
// the entries it finds.
WindowDesign PhrasePickerDesign();

// Finds an entry by what the user remembers of it. It never takes the keyboard focus: the keys
// it follows are withheld from the window typed in, which keeps the focus and gets the phrase.
class PhrasePicker : private WindowEvents {
 public:
  static constexpr std::string_view kQueryId = "Label1";
  static constexpr std::string_view kListId = "List1";
  // The best this many are shown; more would only be scrolled past.
  static constexpr std::size_t kMaxShown = 50;
  // Entries show as their launch letters and this much of the phrase.
  static constexpr std::size_t kPreviewLength = 60;
  // Letters beyond this many find nothing more; they are not kept.
  static constexpr std::size_t kMaxQueryLength = 64;
  // The caret is asked for once the key that opened the picker has gone by.
  static constexpr int kCaretDelayMs = 30;

  // The keys the picker takes from the window typed in while it shows.
  static std::span<const int> SteeringKeys();

  PhrasePicker(Shell& shell, Platform& platform);

  // Shows the entries of the sorted list `lines` that apply in `application`.
  void Open(const std::vector<std::string>& lines, std::string_view application);
  void Close();
  bool IsOpen() const { return open_; }
  // A key typed while the picker shows: types into its line, moves its selection or chooses
  // (and is withheld), or closes it and goes on to the window. The chosen entry after Enter.
  std::optional<PickedEntry> HandleKey(KeyEvent& event);

  const std::string& query() const { return query_; }
  // The entries shown, as the list shows them.
  const std::vector<std::string>& shown() const { return shown_texts_; }
  Window* window() { return window_.get(); }

 private:
  void OnCommand(std::string_view /*id*/) override {}
  void Refilter();
  void Move(int step);
  void PlaceAndShow();

  Shell& shell_;
  Platform& platform_;
  std::unique_ptr<Window> window_;
  std::unique_ptr<Timer> place_timer_;
  ScreenRect designed_place_;
  std::vector<PickedEntry> entries_;
  std::vector<PickableEntry> searched_;
  EntryRanking ranking_{{}};
  std::vector<std::size_t> shown_;  // indices into entries_, best first
  std::vector<std::string> shown_texts_;
  std::string query_;
  std::string application_;
  bool open_ = false;
};

// A send string as the picker shows and searches it: fill-in fields as their names in brackets,
// line breaks for {Enter}, no cursor mark; other macros and keys as they stand.
std::string ReadablePhrase(std::string_view send_string);

// How an entry shows in the picker: its launch letters, then the start of the phrase on one
// line.
std::string PickerItemText(std::string_view launch_keys, std::string_view phrase,
                           std::size_t preview_length);

}  // namespace keyloom
