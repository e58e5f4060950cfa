#pragma once

#include <set>
#include <string>
#include <string_view>

#include "shell/login_start.h"

namespace keyloom {

// Keeps the programs that start at login in memory; can refuse every change.
class FakeLoginStart final : public LoginStart {
 public:
  bool IsOn(std::string_view program) const override { return on_.contains(std::string(program)); }
  bool Set(std::string_view program, bool on) override {
    if (refuses_) return false;
    if (on) {
      on_.emplace(program);
    } else {
      on_.erase(std::string(program));
    }
    return true;
  }
  void set_refuses(bool refuses) { refuses_ = refuses; }

 private:
  std::set<std::string> on_;
  bool refuses_ = false;
};

}  // namespace keyloom
