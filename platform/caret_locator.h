#pragma once

#include <optional>

namespace keyloom {

// A rectangle on the screen in pixels, in the coordinates that windows are placed in.
struct ScreenRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// Where the text cursor of the focused window stands, and the work area of its monitor (the
// screen less the task bars and panels).
struct CaretPlace {
  ScreenRect caret;
  ScreenRect work_area;
};

// Asks the focused application where its text cursor is.
class CaretLocator {
 public:
  virtual ~CaretLocator() = default;
  // nullopt when nothing can tell: the application publishes no caret, or it has no focus.
  // May ask the focused application, so it is never called while a key waits on the handler.
  virtual std::optional<CaretPlace> Locate() = 0;
};

}  // namespace keyloom
