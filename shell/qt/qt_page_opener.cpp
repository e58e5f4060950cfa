#include "shell/qt/qt_page_opener.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace keyloom {

bool QtPageOpener::Open(std::string_view address) {
  const QString text = QString::fromUtf8(address.data(), static_cast<qsizetype>(address.size()));
  if (text.trimmed().isEmpty()) return false;
  // Anything with a scheme is an address; the rest is a file on this machine.
  const QUrl url =
      text.contains(QStringLiteral("://")) || text.startsWith(QStringLiteral("mailto:"))
          ? QUrl(text)
          : QUrl::fromLocalFile(text);
  return QDesktopServices::openUrl(url);
}

}  // namespace keyloom
