#pragma once

#include "platform/clipboard.h"

namespace keyloom {

// The clipboard (not the primary selection) through Qt, text only. While the program owns the
// clipboard, Qt's event loop serves its text to other clients.
class QtClipboard final : public Clipboard {
 public:
  std::optional<std::string> GetText() override;
  bool SetText(std::string_view text) override;
};

}  // namespace keyloom
