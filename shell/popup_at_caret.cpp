#include "shell/popup_at_caret.h"

#include <optional>

#include "platform/caret_placement.h"

namespace keyloom {

void ShowPopupAtCaret(Window& popup, CaretLocator& caret, const ScreenRect& designed_place) {
  const ScreenRect frame = popup.ScreenFrame();
  if (const std::optional<CaretPlace> place = caret.Locate()) {
    const ScreenRect beside = PopupBesideCaret(*place, frame.width, frame.height);
    popup.MoveOnScreen(beside.left, beside.top);
  } else {
    popup.MoveOnScreen(designed_place.left, designed_place.top);
  }
  popup.Show();
}

}  // namespace keyloom
