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
  // Never destroyed: Qt's own objects would outlive it at exit.
  new QApplication(argc, argv);
}

}  // namespace keyloom

// In sanitizer builds: fontconfig, which Qt loads, keeps memory to the end of the process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
