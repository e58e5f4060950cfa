#include "shell/qt/linux_program.h"

#include <QApplication>
#include <QByteArray>
#include <memory>
#include <string>

#include "platform/x11/x11_platform.h"
#include "shell/qt/startup_error.h"

namespace keyloom {

int RunLinuxProgram(std::string_view program_name, char* argv0, const ProgramBody& body) {
  std::string error;
  std::unique_ptr<Platform> platform = CreatePlatform(error);
  if (!platform) {
    ShowStartupError(program_name, error, CanOpenX11Display());
    return 1;
  }
  // The keyboard is watched on X11, so the windows must be X11 windows too (under Xwayland).
  qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
  int qt_argc = 1;
  char* qt_argv[] = {argv0, nullptr};
  QApplication app(qt_argc, qt_argv);
  int exit_code = 1;
  if (std::unique_ptr<Shell> shell = CreateShell(error)) {
    exit_code = body(*shell, *platform);
  } else {
    ShowStartupError(program_name, error, true);
  }
  // The platform's Qt parts go before the application object.
  platform.reset();
  return exit_code;
}

}  // namespace keyloom
