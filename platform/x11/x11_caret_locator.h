#pragma once

#include <optional>

#include "platform/caret_locator.h"
#include "platform/x11/atspi_focus_watch.h"

namespace keyloom {

// The caret that the focused application publishes on the accessibility bus, with the work
// area of the screen it is on.
class X11CaretLocator final : public CaretLocator {
 public:
  // `focus_watch` may be null (no bus): the caret is then never known.
  explicit X11CaretLocator(const AtspiFocusWatch* focus_watch) : focus_watch_(focus_watch) {}
  std::optional<CaretPlace> Locate() override;

 private:
  const AtspiFocusWatch* focus_watch_;
};

}  // namespace keyloom
