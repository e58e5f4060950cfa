#pragma once

#include "shell/page_opener.h"

namespace keyloom {

// Opens web addresses and local files with the desktop's default program.
class QtPageOpener final : public PageOpener {
 public:
  bool Open(std::string_view address) override;
};

}  // namespace keyloom
