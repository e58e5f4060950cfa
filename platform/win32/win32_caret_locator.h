#pragma once

#include <optional>

#include "platform/caret_locator.h"

namespace keyloom {

// The caret of the foreground window: the system caret of its thread when it has one, else the
// caret object that the window publishes through Active Accessibility. The work area is that
// of the caret's monitor, in physical pixels (the programs are per-monitor DPI aware).
class Win32CaretLocator final : public CaretLocator {
 public:
  Win32CaretLocator();
  ~Win32CaretLocator() override;
  Win32CaretLocator(const Win32CaretLocator&) = delete;
  Win32CaretLocator& operator=(const Win32CaretLocator&) = delete;

  std::optional<CaretPlace> Locate() override;

 private:
  bool com_started_ = false;
};

}  // namespace keyloom
