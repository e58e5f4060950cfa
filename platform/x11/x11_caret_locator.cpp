#include "platform/x11/x11_caret_locator.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace keyloom {
namespace {

ScreenRect FromQt(const QRect& rect) {
  return {rect.left(), rect.top(), rect.width(), rect.height()};
}

}  // namespace

ScreenRect DeviceToLogical(const ScreenRect& device, const ScreenRect& screen, double ratio) {
  const auto scale = [ratio](int pixels) { return static_cast<int>(std::lround(pixels / ratio)); };
  return {screen.left + scale(device.left - screen.left),
          screen.top + scale(device.top - screen.top), std::max(scale(device.width), 1),
          std::max(scale(device.height), 1)};
}

std::optional<CaretPlace> X11CaretLocator::Locate() {
  if (focus_watch_ == nullptr) return std::nullopt;
  const std::optional<ScreenRect> caret = focus_watch_->CaretRect();
  if (!caret) return std::nullopt;
  // Qt scales each screen from its top-left corner: the caret's screen is the one whose size in
  // device pixels holds it.
  QScreen* screen = QGuiApplication::primaryScreen();
  for (QScreen* candidate : QGuiApplication::screens()) {
    const QRect logical = candidate->geometry();
    const QRect device(logical.topLeft(), logical.size() * candidate->devicePixelRatio());
    if (device.contains(caret->left, caret->top)) screen = candidate;
  }
  if (screen == nullptr) return std::nullopt;
  return CaretPlace{DeviceToLogical(*caret, FromQt(screen->geometry()), screen->devicePixelRatio()),
                    FromQt(screen->availableGeometry())};
}

}  // namespace keyloom
