#include "shell/qt/qt_shell.h"

#include <QApplication>
#include <QFont>

#include "shell/qt/qt_timer.h"
#include "shell/qt/qt_tray_icon.h"
#include "shell/qt/qt_window.h"

namespace keyloom {
namespace {

constexpr double kDesignFontPoints = 8.0;

}  // namespace

QtShell::QtShell(const std::string& settings_path) : settings_(settings_path) {
  // A program hidden in the tray has no window open, and must keep running.
  QApplication::setQuitOnLastWindowClosed(false);
  // The designs' rectangles are measured for 8-point captions of a font as wide as Arial; a
  // larger or wider desktop font would clip them.
  QFont font = QApplication::font();
  font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                    QStringLiteral("Nimbus Sans"), QStringLiteral("Arial"), font.family()});
  font.setPointSizeF(kDesignFontPoints);
  QApplication::setFont(font);
}

std::unique_ptr<Window> QtShell::CreateWindow(const WindowDesign& design, WindowEvents& events) {
  return std::make_unique<QtWindow>(design, events, gate_);
}

std::unique_ptr<Timer> QtShell::CreateTimer(std::function<void()> on_tick) {
  return std::make_unique<QtTimer>(std::move(on_tick), gate_);
}

std::unique_ptr<TrayIcon> QtShell::CreateTrayIcon(TrayEvents& events) {
  return std::make_unique<QtTrayIcon>(events, gate_);
}

int QtShell::Run() {
  // A program that quit while starting never enters the loop.
  if (gate_.closed) return exit_code_;
  return QApplication::exec();
}

void QtShell::Quit(int exit_code) {
  gate_.closed = true;
  exit_code_ = exit_code;
  QApplication::exit(exit_code);
}

std::unique_ptr<Shell> CreateShell(std::string& error) {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
    error = "The window side needs a QApplication, created before the shell.";
    return nullptr;
  }
  return std::make_unique<QtShell>(DefaultSettingsPath());
}

}  // namespace keyloom
