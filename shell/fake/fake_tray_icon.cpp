#include "shell/fake/fake_tray_icon.h"

namespace keyloom {

bool FakeTrayIcon::Add(std::string_view tip) {
  if (refuse_add_ || present_) return false;
  present_ = true;
  added_tips_.emplace_back(tip);
  return true;
}

void FakeTrayIcon::ShowNotification(std::string_view title, std::string_view text) {
  notifications_.push_back({std::string(title), std::string(text)});
}

void FakeTrayIcon::Mouse(TrayMouse code) {
  if (events_blocked_ && events_blocked_()) return;
  events_.OnTrayMouse(static_cast<int>(code));
}

}  // namespace keyloom
