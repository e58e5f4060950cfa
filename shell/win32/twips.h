#pragma once

#include "shell/window_design.h"

namespace keyloom {

// Twips (1440 per inch) and pixels at a window's dots per inch, rounded to the nearest.
int TwipsToPixels(int twips, int dpi);
int PixelsToTwips(int pixels, int dpi);

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Edges are mapped, not sizes, so that controls that touch in twips touch in pixels too.
PixelRect TwipsToPixels(const TwipRect& rect, int dpi);

}  // namespace keyloom
