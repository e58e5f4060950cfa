#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "shell/fake/fake_dialogs.h"
#include "shell/fake/fake_login_start.h"
#include "shell/fake/fake_page_opener.h"
#include "shell/fake/fake_settings_store.h"
#include "shell/fake/fake_timer.h"
#include "shell/fake/fake_tray_icon.h"
#include "shell/fake/fake_window.h"
#include "shell/shell.h"

namespace keyloom {

// Every fake of the shell layer. It keeps track of what it created so that tests can reach the
// windows, timers and tray icon that the program owns. Once the program has quit, no window
// event, timer tick or tray click runs any more.
class FakeShell final : public Shell {
 public:
  FakeShell();

  std::unique_ptr<Window> CreateWindow(const WindowDesign& design, WindowEvents& events) override;
  std::unique_ptr<Timer> CreateTimer(std::function<void()> on_tick) override;
  std::unique_ptr<TrayIcon> CreateTrayIcon(TrayEvents& events) override;
  FakeDialogs& dialogs() override { return dialogs_; }
  FakeSettingsStore& settings() override { return settings_; }
  FakePageOpener& pages() override { return pages_; }
  FakeLoginStart& login_start() override { return login_start_; }
  // Returns at once: the exit code given to Quit, or 0.
  int Run() override;
  void Quit(int exit_code) override;

  // The latest live window created from the design with this id; throws std::out_of_range
  // when there is none.
  FakeWindow& window(std::string_view design_id);
  bool HasWindow(std::string_view design_id) const;
  // The latest tray icon created; throws std::out_of_range when there is none. Valid while the
  // program keeps it.
  FakeTrayIcon& tray();
  // Whether tray icons are available; applies to the current icon and to those created later.
  void set_tray_available(bool available);

  // Time: fires the due timer ticks.
  void Advance(std::int64_t milliseconds) { timers_.Advance(milliseconds); }
  FakeTimerQueue& timers() { return timers_; }

  bool quit() const { return quit_; }
  int exit_code() const { return exit_code_; }
  int run_count() const { return run_count_; }

 private:
  FakeDialogs dialogs_;
  FakeSettingsStore settings_;
  FakePageOpener pages_;
  FakeLoginStart login_start_;
  FakeTimerQueue timers_;
  std::map<std::string, FakeWindow*, std::less<>> windows_;
  FakeTrayIcon* tray_ = nullptr;
  bool tray_available_ = true;
  bool quit_ = false;
  int exit_code_ = 0;
  int run_count_ = 0;
};

}  // namespace keyloom
