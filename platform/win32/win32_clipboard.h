#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/clipboard.h"

namespace keyloom {

// The Unicode text of the system clipboard (CF_UNICODETEXT). It owns a message-only window:
// the clipboard needs an owner window for SetClipboardData to keep the data.
class Win32Clipboard final : public Clipboard {
 public:
  Win32Clipboard();
  ~Win32Clipboard() override;
  Win32Clipboard(const Win32Clipboard&) = delete;
  Win32Clipboard& operator=(const Win32Clipboard&) = delete;

  std::optional<std::string> GetText() override;
  bool SetText(std::string_view text) override;
  bool ShiftInsertPastesIt() const override { return true; }

 private:
  bool Open();

  void* window_ = nullptr;  // HWND
};

}  // namespace keyloom
