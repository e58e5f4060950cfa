#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "phrases/playback.h"
#include "platform/key_event.h"
#include "shell/timer.h"

namespace keyloom {

// The token of a key code: the character whose code equals the key code for 32 to 111 (upper
// case for letters), "{F1}" to "{F12}", the unshifted punctuation of 186 to 191 and 219 to 221,
// and empty for every other key.
std::string KeyToken(int key_code);

// The prefix that a modifier mask puts in front of a function key: "{Shift}", "{Ctrl}",
// "{Ctrl}{Shift}", "{Alt}", or none for any other mask.
std::string_view FunctionKeyPrefix(int modifiers);

// Watches every key press for a launch: launch letters ended by Space or Tab, or a function-key
// chord, that equal the launch keys of an entry whose flags allow the ending key. The first such
// entry of the sorted list is handed to playback.
class LaunchDetector {
 public:
  // `lines` is the sorted entry list; the quiet timer is read, never changed.
  LaunchDetector(const std::vector<std::string>& lines, const Timer& quiet_timer,
                 Playback& playback);

  // Withholds only a function key that launched an entry.
  void HandleKey(KeyEvent& event);

  // What was typed since the last Space, Tab or Enter, lower case.
  const std::string& buffer() const { return buffer_; }
  // A key went where the detector does not follow (a password field, an excluded application):
  // the letters before it and after it are no launch together.
  void ClearBuffer();

 private:
  // Launches the first entry that the key of `event` ends; false when none matches.
  bool LaunchFirstMatch(const KeyEvent& event);
  // The launch letters as the user typed them, with the key that ended them.
  std::string TypedLaunch(int key_code) const;
  // How many characters of the buffer are launch letters when `key_code` ends them.
  std::size_t LetterCount(int key_code) const;

  const std::vector<std::string>& lines_;
  const Timer& quiet_timer_;
  Playback& playback_;
  std::string buffer_;
  // For each character of the buffer, whether it was typed as a capital.
  std::vector<bool> capitals_;
};

}  // namespace keyloom
