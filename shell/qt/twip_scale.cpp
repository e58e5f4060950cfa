#include "shell/qt/twip_scale.h"

#include <cmath>

namespace keyloom {

int TwipScale::ToPixels(int twips) const {
  return static_cast<int>(std::lround(twips * dots_per_inch_ / 1440.0));
}

int TwipScale::ToTwips(int pixels) const {
  return static_cast<int>(std::lround(pixels * 1440.0 / dots_per_inch_));
}

TwipScale::PixelRect TwipScale::ToPixels(const TwipRect& rect) const {
  const int left = ToPixels(rect.left);
  const int top = ToPixels(rect.top);
  return {left, top, ToPixels(rect.left + rect.width) - left,
          ToPixels(rect.top + rect.height) - top};
}

}  // namespace keyloom
