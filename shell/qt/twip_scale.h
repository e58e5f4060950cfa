#pragma once

#include "shell/window_design.h"

namespace keyloom {

// Twips (1440 per inch) to pixels and back at a screen's logical dots per inch, rounding to
// the nearest whole number.
class TwipScale {
 public:
  explicit TwipScale(double dots_per_inch) : dots_per_inch_(dots_per_inch) {}

  int ToPixels(int twips) const;
  int ToTwips(int pixels) const;
  // Converts the edges, so that controls that touch in twips touch on the screen too.
  struct PixelRect {
    int left, top, width, height;
  };
  PixelRect ToPixels(const TwipRect& rect) const;

 private:
  double dots_per_inch_;
};

}  // namespace keyloom
