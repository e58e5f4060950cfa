#include "shell/fake/fake_shell.h"

#include <stdexcept>

namespace keyloom {

FakeShell::FakeShell() {
  timers_.set_blocked([this] { return quit_; });
}

std::unique_ptr<Window> FakeShell::CreateWindow(const WindowDesign& design, WindowEvents& events) {
  auto window = std::make_unique<FakeWindow>(design, events);
  FakeWindow* raw = window.get();
  windows_[design.id] = raw;
  window->set_events_blocked([this] { return quit_; });
  window->set_on_destroyed([this, raw, id = design.id] {
    const auto it = windows_.find(id);
    if (it != windows_.end() && it->second == raw) windows_.erase(it);
  });
  return window;
}

std::unique_ptr<Timer> FakeShell::CreateTimer(std::function<void()> on_tick) {
  return std::make_unique<FakeTimer>(timers_, std::move(on_tick));
}

std::unique_ptr<TrayIcon> FakeShell::CreateTrayIcon(TrayEvents& events) {
  auto tray = std::make_unique<FakeTrayIcon>(events);
  tray->set_available(tray_available_);
  tray->set_events_blocked([this] { return quit_; });
  tray_ = tray.get();
  return tray;
}

int FakeShell::Run() {
  ++run_count_;
  return exit_code_;
}

void FakeShell::Quit(int exit_code) {
  if (quit_) return;
  quit_ = true;
  exit_code_ = exit_code;
}

FakeWindow& FakeShell::window(std::string_view design_id) {
  const auto it = windows_.find(design_id);
  if (it == windows_.end()) {
    throw std::out_of_range("FakeShell: no window " + std::string(design_id));
  }
  return *it->second;
}

bool FakeShell::HasWindow(std::string_view design_id) const { return windows_.contains(design_id); }

FakeTrayIcon& FakeShell::tray() {
  if (tray_ == nullptr) throw std::out_of_range("FakeShell: no tray icon");
  return *tray_;
}

void FakeShell::set_tray_available(bool available) {
  tray_available_ = available;
  if (tray_ != nullptr) tray_->set_available(available);
}

}  // namespace keyloom
