#pragma once

#include <optional>

#include "platform/caret_locator.h"

namespace keyloom {

// The caret of the foreground window: the system caret of its thread when it has one, else the
// caret object that the window publishes through Active Accessibility. The work area is that
// of the caret's monitor, in physical pixels (the programs are per-monitor DPI aware).
// Needs COM on the calling thread.
class Win32CaretLocator final : public CaretLocator {
 public:
  std::optional<CaretPlace> Locate() override;
};

}  // namespace keyloom
