#include "platform/caret_placement.h"

#include <algorithm>

namespace keyloom {

ScreenRect PopupBesideCaret(const CaretPlace& place, int width, int height) {
  const ScreenRect& area = place.work_area;
  const ScreenRect& caret = place.caret;
  int top = caret.bottom();
  if (top + height > area.bottom() && caret.top - height >= area.top) top = caret.top - height;
  // A pop-up larger than the area keeps its top-left corner in it.
  top = std::max(std::min(top, area.bottom() - height), area.top);
  const int left = std::max(std::min(caret.left, area.right() - width), area.left);
  return {left, top, width, height};
}

}  // namespace keyloom
