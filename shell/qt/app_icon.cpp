#include "shell/qt/app_icon.h"

namespace keyloom {

QIcon AppIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/keyloom-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace keyloom
