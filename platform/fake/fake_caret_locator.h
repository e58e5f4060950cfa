#pragma once

#include <optional>

#include "platform/caret_locator.h"

namespace keyloom {

// Tells the caret place the test set; nothing until then. Counts the questions.
class FakeCaretLocator final : public CaretLocator {
 public:
  std::optional<CaretPlace> Locate() override {
    ++asked_;
    return place_;
  }
  void set_place(std::optional<CaretPlace> place) { place_ = place; }
  int asked() const { return asked_; }

 private:
  std::optional<CaretPlace> place_;
  int asked_ = 0;
};

}  // namespace keyloom
