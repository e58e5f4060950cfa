#include "platform/x11/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace keyloom {

std::optional<std::string> QtClipboard::GetText() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return std::nullopt;
  return clipboard->text(QClipboard::Clipboard).toStdString();
}

bool QtClipboard::SetText(std::string_view text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return false;
  clipboard->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                     QClipboard::Clipboard);
  return true;
}

}  // namespace keyloom
