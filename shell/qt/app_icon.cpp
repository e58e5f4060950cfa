#include "shell/qt/app_icon.h"

// The icons are compiled into a static library, where nothing else refers to them: the
// linker would leave them out. Qt's macro must stand outside any namespace.
static void LinkIconResources() { Q_INIT_RESOURCE(icons); }

namespace keyloom {

QIcon AppIcon() {
  LinkIconResources();
  QIcon icon;
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/keyloom-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace keyloom
