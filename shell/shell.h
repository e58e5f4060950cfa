#pragma once

#include <functional>
#include <memory>
#include <string>

#include "shell/dialogs.h"
#include "shell/login_start.h"
#include "shell/page_opener.h"
#include "shell/settings_store.h"
#include "shell/timer.h"
#include "shell/tray_icon.h"
#include "shell/window.h"
#include "shell/window_design.h"

namespace keyloom {

// The window side of one backend: creates windows, timers and the tray icon and owns the
// services that both programs share.
class Shell {
 public:
  virtual ~Shell() = default;
  virtual std::unique_ptr<Window> CreateWindow(const WindowDesign& design,
                                               WindowEvents& events) = 0;
  virtual std::unique_ptr<Timer> CreateTimer(std::function<void()> on_tick) = 0;
  virtual std::unique_ptr<TrayIcon> CreateTrayIcon(TrayEvents& events) = 0;
  virtual Dialogs& dialogs() = 0;
  virtual SettingsStore& settings() = 0;
  virtual PageOpener& pages() = 0;
  virtual LoginStart& login_start() = 0;
  // Runs the event loop until Quit.
  virtual int Run() = 0;
  // Ends the program at once: no further window event runs.
  virtual void Quit(int exit_code) = 0;
};

// Defined once per backend (shell/qt, shell/win32, shell/fake); CMake links the one that fits.
std::unique_ptr<Shell> CreateShell(std::string& error);

}  // namespace keyloom
