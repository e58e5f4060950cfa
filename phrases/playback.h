#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "shell/timer.h"

namespace keyloom {

// What the launch detector hands to playback.
struct Launch {
  std::string launch_keys;  // trimmed, case kept
  std::string send_string;  // macros not yet expanded
  bool press_enter = false;
};

// Turns a launch into keystrokes: erases the launch letters, expands the macros, types or
// pastes the text, presses Enter when asked, and opens the quiet period.
class Playback {
 public:
  // `boost_on` tells whether the text goes through the clipboard; `notify` tells the user of a
  // program that could not be started, without blocking.
  Playback(Platform& platform, Timer& quiet_timer, std::function<bool()> boost_on,
           std::function<void(std::string_view)> notify);

  void Play(const Launch& launch);
  // The quiet timer's tick: gives the clipboard its earlier text back and ends the quiet period.
  void OnQuietTimerTick();

  // Whether the user's clipboard waits to be put back.
  bool clipboard_saved() const { return saved_clipboard_ != nullptr; }

 private:
  void Deliver(const std::string& text);
  void TypeLiteral(std::string_view text);

  Platform& platform_;
  Timer& quiet_timer_;
  std::function<bool()> boost_on_;
  std::function<void(std::string_view)> notify_;
  std::unique_ptr<ClipboardSnapshot> saved_clipboard_;
  int restore_retries_ = 0;
};

// The key string that erases the launch: one Backspace per character of the launch keys and
// one for the Space or Tab that ended them; nothing for a function-key chord.
std::string EraseKeys(std::string_view launch_keys);

// The actions that type `text` as it stands: line breaks as Enter, tabs as Tab, every other
// character as itself; nothing in it is read as key-string syntax.
KeyActions LiteralTextActions(std::string_view text);

}  // namespace keyloom
