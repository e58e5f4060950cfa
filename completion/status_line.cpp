#include "completion/status_line.h"

#include <algorithm>

namespace keyloom {
namespace {

constexpr int kMargin = 120;
constexpr int kBelowPanelTop = 960;
// Two lines: beside the panel the line is narrow, and the text wraps.
constexpr int kLineHeight = 510;

}  // namespace

TwipRect StatusLineRect(const TwipRect& frame2, const TwipRect& frame1) {
  const int left = frame1.left + frame1.width + kMargin;
  return {left, frame1.top + kBelowPanelTop, std::max(0, frame2.width - left - kMargin),
          kLineHeight};
}

}  // namespace keyloom
