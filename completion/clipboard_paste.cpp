#include "completion/clipboard_paste.h"

#include <optional>

#include "platform/key_action.h"
#include "platform/text.h"

namespace keyloom {

ClipboardPaste::ClipboardPaste(Shell& shell, Platform& platform)
    : platform_(platform), restore_timer_(shell.CreateTimer([this] { Restore(); })) {
  restore_timer_->SetInterval(kRestoreDelayMs);
}

void ClipboardPaste::Paste(std::string_view text) {
  Clipboard& clipboard = platform_.clipboard();
  if (!clipboard.ShiftInsertPastesIt()) return Type(text);
  // A paste that follows another before its restore keeps the user's text, not ours.
  if (!restore_pending_) {
    saved_ = clipboard.Save();
    if (!saved_) return Type(text);
  }
  if (!clipboard.SetText(text)) {
    if (!restore_pending_) saved_.reset();
    return Type(text);
  }
  restore_pending_ = true;
  TypeKeyString(platform_.keystrokes(), "+{INSERT}");
  restore_timer_->Restart();
}

void ClipboardPaste::Type(std::string_view text) {
  KeyActions actions;
  std::size_t pos = 0;
  while (pos < text.size()) actions.push_back(KeyAction::Character(NextCodePoint(text, pos)));
  platform_.keystrokes().Send(actions);
}

void ClipboardPaste::Restore() {
  // A clipboard that another program holds open is tried again at the next tick, so that the
  // user's content is never dropped.
  if (!platform_.clipboard().Restore(*saved_)) return;
  restore_timer_->SetEnabled(false);
  restore_pending_ = false;
  saved_.reset();
}

}  // namespace keyloom
