#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "completion/suggestion_popup.h"
#include "shell/dialogs.h"
#include "shell/window.h"
#include "shell/working_list.h"

namespace keyloom {

// The main window's completion controls.
inline constexpr std::string_view kEnableCompletionId = "Check1";
inline constexpr std::string_view kMaxWordsId = "Text4";
inline constexpr std::string_view kMinWordLengthId = "Text8";
inline constexpr std::string_view kLookupThresholdId = "Text9";
inline constexpr std::string_view kDisplayTimeId = "Text2";
inline constexpr std::string_view kWordToAddId = "Text7";
inline constexpr std::string_view kAddWordId = "Command8";
inline constexpr std::string_view kClearListId = "Command2";

// What repairs put into a field that does not read as a number.
inline constexpr std::string_view kThresholdRepair = "5";
inline constexpr std::string_view kMinWordLengthRepair = "4";
inline constexpr long long kDefaultMinWordLength = 4;

// The longest display time accepted, one day.
inline constexpr double kMaxDisplayTimeSeconds = 24 * 60 * 60;

// The lookup threshold: the field rounded to a whole number. A field that does not read as a
// 16-bit whole number is repaired and this one key runs with threshold 0.
int ReadLookupThreshold(Window& window);
// Repairs a minimum word length that does not read as a number.
void RepairMinWordLength(Window& window);
// The shortest line a word-list import takes; kDefaultMinWordLength when the field does not
// read as a number.
long long ReadMinWordLength(const Window& window);
// The most candidates a lookup offers: a whole number from 1 up, nullopt otherwise.
std::optional<std::size_t> ReadMaxWords(const Window& window);
// The display time of `text` in milliseconds; nullopt when it is not a number from 0 to a day.
std::optional<int> ParseDisplayTimeMs(std::string_view text);

// The handlers of the completion panel and the word list buttons.
class CompletionSettings {
 public:
  CompletionSettings(Window& window, SuggestionPopup& popup, WorkingList& list, Dialogs& dialogs);

  // The display time field changed: an empty field waits for more typing; a number sets the
  // pop-up's display time; anything else is refused with a message.
  void OnDisplayTimeChanged();
  // Adds the word field's text as it stands, empty or not, to the word list.
  void AddWord();
  // Empties the word list once the user confirms.
  void ClearList();

 private:
  Window& window_;
  SuggestionPopup& popup_;
  WorkingList& list_;
  Dialogs& dialogs_;
};

}  // namespace keyloom
