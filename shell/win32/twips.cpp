#include "shell/win32/twips.h"

namespace keyloom {
namespace {

constexpr long long kTwipsPerInch = 1440;

// Rounds half away from zero, as MulDiv does.
int Scale(long long value, long long numerator, long long denominator) {
  const long long scaled = value * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / denominator
                                      : -((-scaled + half) / denominator));
}

}  // namespace

int TwipsToPixels(int twips, int dpi) { return Scale(twips, dpi, kTwipsPerInch); }

int PixelsToTwips(int pixels, int dpi) { return dpi <= 0 ? 0 : Scale(pixels, kTwipsPerInch, dpi); }

PixelRect TwipsToPixels(const TwipRect& rect, int dpi) {
  const int left = TwipsToPixels(rect.left, dpi);
  const int top = TwipsToPixels(rect.top, dpi);
  return {left, top, TwipsToPixels(rect.left + rect.width, dpi) - left,
          TwipsToPixels(rect.top + rect.height, dpi) - top};
}

}  // namespace keyloom
