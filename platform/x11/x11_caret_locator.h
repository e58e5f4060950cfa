#pragma once

#include <optional>

#include "platform/caret_locator.h"
#include "platform/x11/atspi_focus_watch.h"

namespace keyloom {

// A rectangle in the device pixels of a screen whose geometry Qt gives as `screen` (its top-left
// corner where the device's is, its size divided by `ratio`), in the logical pixels that Qt
// places windows in.
ScreenRect DeviceToLogical(const ScreenRect& device, const ScreenRect& screen, double ratio);

// The caret that the focused application publishes on the accessibility bus (in device pixels),
// with the work area of the screen it is on, both in Qt's logical pixels.
class X11CaretLocator final : public CaretLocator {
 public:
  // `focus_watch` may be null (no bus): the caret is then never known.
  explicit X11CaretLocator(const AtspiFocusWatch* focus_watch) : focus_watch_(focus_watch) {}
  std::optional<CaretPlace> Locate() override;

 private:
  const AtspiFocusWatch* focus_watch_;
};

}  // namespace keyloom
