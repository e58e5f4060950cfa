#include "shell/qt/app_icon.h"

#include "shell/qt/qt_text.h"

// The icons are compiled into a static library, where nothing else refers to them: the
// linker would leave them out. Qt's macro must stand outside any namespace.
static void LinkIconResources() { Q_INIT_RESOURCE(icons); }

namespace keyloom {

QIcon AppIcon(std::string_view program_name) {
  LinkIconResources();
  const QString file = ToQt(program_name).toLower();
  QIcon icon;
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/%1-%2.png").arg(file).arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace keyloom
