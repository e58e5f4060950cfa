#include "platform/x11/qt_own_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace keyloom {

std::optional<std::string> OwnWindowsClipboardText() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr || !clipboard->ownsClipboard()) return std::nullopt;
  return clipboard->text(QClipboard::Clipboard).toStdString();
}

}  // namespace keyloom
