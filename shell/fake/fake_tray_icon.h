#pragma once

#include <functional>
#include <string>
#include <vector>

#include "shell/tray_icon.h"

namespace keyloom {

// A tray icon in memory. Add succeeds once while the icon is absent; RemoveByShell plays the
// desktop losing the icon (Explorer restarting), after which Add succeeds again.
class FakeTrayIcon final : public TrayIcon {
 public:
  struct Notification {
    std::string title;
    std::string text;
  };

  explicit FakeTrayIcon(TrayEvents& events) : events_(events) {}

  bool Add(std::string_view tip) override;
  bool Available() const override { return available_; }
  void ShowNotification(std::string_view title, std::string_view text) override;
  void ShowState(std::string_view tip, bool paused) override {
    tip_ = std::string(tip);
    paused_ = paused;
  }

  // The user's mouse on the icon: raises OnTrayMouse unless the program has quit.
  void Mouse(TrayMouse code);
  void RemoveByShell() { present_ = false; }

  void set_available(bool available) { available_ = available; }
  // While refusing, Add fails even when the icon is absent.
  void set_refuse_add(bool refuse) { refuse_add_ = refuse; }
  bool present() const { return present_; }
  // The tips of the adds that succeeded, in order.
  const std::vector<std::string>& added_tips() const { return added_tips_; }
  const std::vector<Notification>& notifications() const { return notifications_; }
  // What the latest ShowState set.
  const std::string& tip() const { return tip_; }
  bool paused() const { return paused_; }

  void set_events_blocked(std::function<bool()> blocked) { events_blocked_ = std::move(blocked); }

 private:
  TrayEvents& events_;
  bool available_ = true;
  bool refuse_add_ = false;
  bool present_ = false;
  std::vector<std::string> added_tips_;
  std::vector<Notification> notifications_;
  std::string tip_;
  bool paused_ = false;
  std::function<bool()> events_blocked_;
};

}  // namespace keyloom
