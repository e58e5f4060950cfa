#pragma once

#include <memory>

#include "shell/qt/event_gate.h"
#include "shell/qt/qt_dialogs.h"
#include "shell/qt/qt_page_opener.h"
#include "shell/qt/qt_settings_store.h"
#include "shell/qt/xdg_login_start.h"
#include "shell/shell.h"

namespace keyloom {

// The window side on Linux: Qt Widgets windows, QTimer timers, a QSystemTrayIcon, Qt dialogs,
// the INI settings store and QDesktopServices. Needs the QApplication, which the program
// creates first.
class QtShell final : public Shell {
 public:
  explicit QtShell(const std::string& settings_path);

  std::unique_ptr<Window> CreateWindow(const WindowDesign& design, WindowEvents& events) override;
  std::unique_ptr<Timer> CreateTimer(std::function<void()> on_tick) override;
  std::unique_ptr<TrayIcon> CreateTrayIcon(TrayEvents& events) override;
  Dialogs& dialogs() override { return dialogs_; }
  SettingsStore& settings() override { return settings_; }
  PageOpener& pages() override { return pages_; }
  LoginStart& login_start() override { return login_start_; }
  int Run() override;
  void Quit(int exit_code) override;

 private:
  EventGate gate_;
  int exit_code_ = 0;
  QtDialogs dialogs_;
  QtSettingsStore settings_;
  QtPageOpener pages_;
  XdgLoginStart login_start_;
};

}  // namespace keyloom
