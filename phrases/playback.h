#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "phrases/fill_ins.h"
#include "phrases/launch_case.h"
#include "platform/platform.h"
#include "shell/timer.h"

namespace keyloom {

// What the launch detector hands to playback.
struct Launch {
  std::string launch_keys;  // trimmed, case kept
  std::string send_string;  // macros not yet expanded
  bool press_enter = false;
  // What the user typed: the launch letters in the case typed and the Space or Tab that ended
  // them (empty for a chord), how their case read, and the application they were typed in.
  std::string typed = {};
  LaunchCase typed_case = LaunchCase::kAsStored;
  std::string application = {};
  // Whether the launch letters reached the window and are erased first; not for an entry
  // chosen in the picker.
  bool erase_launch = true;
};

// The choices that playback follows, read at every launch.
struct PlaybackChoices {
  bool boost = false;       // paste through the clipboard
  bool match_case = false;  // the phrase's case follows the launch letters'
};

// Asks the user for a phrase's fill-in fields without blocking; `answered` gets the values in
// the fields' order, or nullopt when the user sent nothing.
using FillInAnswer = std::function<void(std::optional<std::vector<std::string>>)>;
using FillInAsker = std::function<void(const std::vector<FillInField>&, FillInAnswer answered)>;

// Turns a launch into keystrokes: erases the launch letters, expands the macros, types or
// pastes the text, presses Enter when asked, and opens the quiet period.
class Playback {
 public:
  // `notify` tells the user of a program that could not be started, without blocking.
  Playback(Platform& platform, Timer& quiet_timer, std::function<PlaybackChoices()> choices,
           std::function<void(std::string_view)> notify);

  void Play(const Launch& launch);
  // From now on, a phrase with fill-in fields asks for them first, and is sent once they are
  // given; without an asker, fill-in macros are text like any unknown macro.
  void SetFillInAsker(FillInAsker asker) { ask_fill_ins_ = std::move(asker); }
  // Whether the last phrase can be taken back, and the application it went to.
  bool CanUndo() const { return last_.has_value(); }
  const std::string& last_application() const;
  // Takes the last phrase back after the user's Backspace, which erased its last character:
  // erases the rest and types what the user had typed to launch it.
  void Undo();
  // Something else happened since the last phrase: it can no longer be taken back.
  void ForgetLast() { last_.reset(); }
  // The quiet timer's tick: gives the clipboard its earlier text back and ends the quiet period.
  void OnQuietTimerTick();

  // Whether the user's clipboard waits to be put back.
  bool clipboard_saved() const { return saved_clipboard_ != nullptr; }

 private:
  // What typing or pasting the phrase did to the text: the characters it put in, and those in
  // front of which the cursor is to be left (the text behind "%(cursor)%"); nullopt when the
  // text cursor cannot follow it simply.
  struct Delivered {
    std::optional<int> stops;
    std::optional<int> stops_after_cursor;
  };
  void PlayFilled(const Launch& launch, const std::vector<std::string>& values);
  Delivered Deliver(const std::string& text, std::optional<std::size_t> cursor,
                    const PlaybackChoices& choices, LaunchCase launch_case,
                    const std::vector<std::string>& values);
  void Paste(const std::string& text);
  void TypeLiteral(std::string_view text);
  void Send(const KeyActions& actions);

  // The last phrase, while it can be taken back.
  struct LastPhrase {
    int stops = 0;
    std::string typed;
    std::string application;
  };

  Platform& platform_;
  Timer& quiet_timer_;
  std::function<PlaybackChoices()> choices_;
  std::function<void(std::string_view)> notify_;
  FillInAsker ask_fill_ins_;
  std::unique_ptr<ClipboardSnapshot> saved_clipboard_;
  int restore_retries_ = 0;
  std::optional<LastPhrase> last_;
};

// The key string that erases the launch: one Backspace per character of the launch keys and
// one for the Space or Tab that ended them; nothing for a function-key chord.
std::string EraseKeys(std::string_view launch_keys);

// The actions that type `text` as it stands: line breaks as Enter, tabs as Tab, every other
// character as itself; nothing in it is read as key-string syntax.
KeyActions LiteralTextActions(std::string_view text);

}  // namespace keyloom
