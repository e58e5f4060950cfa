#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "shell/shell.h"

namespace keyloom {

// Pastes text into the focused window through the clipboard without destroying what the user
// kept there: everything it held is put back once the paste has been delivered.
class ClipboardPaste {
 public:
  // How long after the paste keystroke the previous clipboard content is put back.
  static constexpr int kRestoreDelayMs = 100;

  ClipboardPaste(Shell& shell, Platform& platform);

  // Puts `text` on the clipboard and sends Shift+Insert. When the clipboard cannot be read or
  // written, the text is typed instead, so that the user's clipboard is never lost; so it is
  // where Shift+Insert may paste something else (X terminals paste the primary selection).
  void Paste(std::string_view text);

 private:
  void Type(std::string_view text);
  void Restore();

  Platform& platform_;
  std::unique_ptr<Timer> restore_timer_;
  // The user's clipboard while a restore is pending.
  std::unique_ptr<ClipboardSnapshot> saved_;
  bool restore_pending_ = false;
};

}  // namespace keyloom
