// Quipcast on Linux: the X11 keyboard side first, so that a missing display or extension is
// told plainly before Qt would refuse to start; then the Qt window side and the program.
#include <QApplication>
#include <QByteArray>
#include <memory>
#include <string>

#include "phrases/quipcast_app.h"
#include "platform/platform.h"
#include "platform/x11/x11_platform.h"
#include "quipcast/quipcast_window_design.h"
#include "shell/qt/startup_error.h"
#include "shell/shell.h"

namespace {

constexpr const char* kProgramName = "Quipcast";

int RunQuipcast(keyloom::Platform& platform) {
  std::string error;
  std::unique_ptr<keyloom::Shell> shell = keyloom::CreateShell(error);
  if (!shell) {
    keyloom::ShowStartupError(kProgramName, error, true);
    return 1;
  }
  keyloom::QuipcastApp quipcast(*shell, platform, keyloom::QuipcastWindowDesign());
  if (!quipcast.Start()) {
    keyloom::ShowStartupError(kProgramName, "The keyboard could not be watched.", true);
    return 1;
  }
  return shell->Run();
}

}  // namespace

int main(int /*argc*/, char** argv) {
  std::string error;
  std::unique_ptr<keyloom::Platform> platform = keyloom::CreatePlatform(error);
  if (!platform) {
    keyloom::ShowStartupError(kProgramName, error, keyloom::CanOpenX11Display());
    return 1;
  }
  // The keyboard is watched on X11, so the windows must be X11 windows too (under Xwayland).
  qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
  // The program reads no command line: Qt gets the program's name only.
  int qt_argc = 1;
  QApplication app(qt_argc, argv);
  const int exit_code = RunQuipcast(*platform);
  // The platform's Qt parts go before the application object.
  platform.reset();
  return exit_code;
}
