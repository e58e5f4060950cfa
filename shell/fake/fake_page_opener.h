#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shell/page_opener.h"

namespace keyloom {

// Records the addresses it is asked to open; opens nothing.
class FakePageOpener final : public PageOpener {
 public:
  bool Open(std::string_view address) override {
    addresses_.emplace_back(address);
    return !fails_;
  }

  void set_fails(bool fails) { fails_ = fails; }
  // Every address asked for, in order, also those that failed.
  const std::vector<std::string>& addresses() const { return addresses_; }

 private:
  bool fails_ = false;
  std::vector<std::string> addresses_;
};

}  // namespace keyloom
