#pragma once

#include <string_view>

namespace keyloom {

class PageOpener {
 public:
  virtual ~PageOpener() = default;
  // Opens a web address or a local file in the user's browser. False when nothing opened it.
  virtual bool Open(std::string_view address) = 0;
};

}  // namespace keyloom
