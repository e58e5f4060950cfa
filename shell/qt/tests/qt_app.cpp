#include "shell/qt/tests/qt_app.h"

#include <QApplication>
#include <QByteArray>

namespace keyloom {

void EnsureQtApp() {
  static int argc = 1;
  static char name[] = "shell_qt_tests";
  static char* argv[] = {name, nullptr};
  if (QCoreApplication::instance() != nullptr) return;
  qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
  static QApplication app(argc, argv);
}

}  // namespace keyloom
