#pragma once

#include <string_view>

#include "shell/page_opener.h"

namespace keyloom {

// Opens a web address or a local page with the user's browser (ShellExecuteW).
class Win32PageOpener final : public PageOpener {
 public:
  bool Open(std::string_view address) override;
};

}  // namespace keyloom
