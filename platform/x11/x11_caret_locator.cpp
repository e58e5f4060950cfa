#include "platform/x11/x11_caret_locator.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

namespace keyloom {

std::optional<CaretPlace> X11CaretLocator::Locate() {
  if (focus_watch_ == nullptr) return std::nullopt;
  const std::optional<ScreenRect> caret = focus_watch_->CaretRect();
  if (!caret) return std::nullopt;
  QScreen* screen = QGuiApplication::screenAt(QPoint(caret->left, caret->top));
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return std::nullopt;
  const QRect area = screen->availableGeometry();
  return CaretPlace{*caret, {area.left(), area.top(), area.width(), area.height()}};
}

}  // namespace keyloom
