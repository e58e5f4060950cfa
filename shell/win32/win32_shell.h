#pragma once

#include "shell/win32/win32_api.h"

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "shell/shell.h"
#include "shell/win32/registry_settings_store.h"
#include "shell/win32/win32_dialogs.h"
#include "shell/win32/win32_page_opener.h"
#include "shell/win32/run_key_login_start.h"

namespace keyloom {

class Win32Timer;
class Win32TrayIcon;
class Win32Window;

// The Win32 window side: windows from designs, SetTimer timers and tray icons on a hidden
// window of the shell's own, the registry store, and the message loop with dialog navigation.
class Win32Shell final : public Shell {
 public:
  // The message of the shell's window for notifications of tray icon n (from 1): this plus n.
  static constexpr UINT kTrayMessageBase = WM_APP + 100;

  Win32Shell();
  ~Win32Shell() override;
  Win32Shell(const Win32Shell&) = delete;
  Win32Shell& operator=(const Win32Shell&) = delete;

  std::unique_ptr<Window> CreateWindow(const WindowDesign& design, WindowEvents& events) override;
  std::unique_ptr<Timer> CreateTimer(std::function<void()> on_tick) override;
  std::unique_ptr<TrayIcon> CreateTrayIcon(TrayEvents& events) override;
  Dialogs& dialogs() override { return dialogs_; }
  SettingsStore& settings() override { return settings_; }
  PageOpener& pages() override { return pages_; }
  LoginStart& login_start() override { return login_start_; }
  int Run() override;
  void Quit(int exit_code) override;

  bool stopped() const { return stopped_; }

 private:
  class TimerHandle;
  class TrayHandle;

  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);
  // The window that owns message boxes and file dialogs: the active one of this program, else
  // the first main window.
  HWND DialogOwner() const;

  HWND hwnd_ = nullptr;
  UINT taskbar_created_ = 0;
  bool stopped_ = false;
  int exit_code_ = 0;
  Win32Dialogs dialogs_;
  RegistrySettingsStore settings_;
  Win32PageOpener pages_;
  RunKeyLoginStart login_start_;
  UINT_PTR next_timer_id_ = 1;
  std::map<UINT_PTR, Win32Timer*> timers_;
  UINT next_tray_id_ = 1;
  std::map<UINT, Win32TrayIcon*> trays_;
  std::vector<HWND> main_windows_;
};

}  // namespace keyloom
