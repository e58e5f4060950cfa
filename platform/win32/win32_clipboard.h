#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/clipboard.h"

namespace keyloom {

// The system clipboard. It owns a message-only window: the clipboard needs an owner window for
// SetClipboardData to keep the data. A snapshot copies every format the clipboard lists, its
// memory blocks and metafiles byte for byte (rendering delayed formats on the way); bitmap
// and palette handles are left to the system, which makes them again from the device-
// independent bitmap it lists beside them. The program's own text is rendered on request, so
// that the user's content goes back only once the window has fetched the paste (or after
// kFetchWaitMs).
class Win32Clipboard final : public Clipboard {
 public:
  // How long a restore waits for the paste to be fetched: a window where the paste key means
  // something else never fetches.
  static constexpr unsigned long kFetchWaitMs = 400;

  Win32Clipboard();
  ~Win32Clipboard() override;
  Win32Clipboard(const Win32Clipboard&) = delete;
  Win32Clipboard& operator=(const Win32Clipboard&) = delete;

  std::unique_ptr<ClipboardSnapshot> Save() override;
  bool SetText(std::string_view text) override;
  bool Restore(const ClipboardSnapshot& snapshot) override;
  bool ShiftInsertPastesIt() const override { return true; }

  // The window's messages: a window asks for the text, or the clipboard is emptied.
  void Render();
  void Emptied() { fetched_ = true; }

 private:
  bool Open();

  void* window_ = nullptr;  // HWND
  void* reader_ = nullptr;  // HANDLE of a snapshot's reading thread that outlived its wait
  std::wstring offered_;    // the text promised on the clipboard
  bool fetched_ = true;
  unsigned long offered_at_ = 0;  // GetTickCount
};

}  // namespace keyloom
