#pragma once

#include <memory>
#include <string_view>

#include "platform/clipboard.h"

namespace keyloom {

// The system clipboard. It owns a message-only window: the clipboard needs an owner window for
// SetClipboardData to keep the data. A snapshot copies every format the clipboard lists, its
// memory blocks and metafiles byte for byte (rendering delayed formats on the way); bitmap
// and palette handles are left to the system, which makes them again from the device-
// independent bitmap it lists beside them.
class Win32Clipboard final : public Clipboard {
 public:
  Win32Clipboard();
  ~Win32Clipboard() override;
  Win32Clipboard(const Win32Clipboard&) = delete;
  Win32Clipboard& operator=(const Win32Clipboard&) = delete;

  std::unique_ptr<ClipboardSnapshot> Save() override;
  bool SetText(std::string_view text) override;
  bool Restore(const ClipboardSnapshot& snapshot) override;
  bool ShiftInsertPastesIt() const override { return true; }

 private:
  bool Open();

  void* window_ = nullptr;  // HWND
};

}  // namespace keyloom
