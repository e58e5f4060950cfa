#pragma once

#include <memory>

#include "shell/qt/event_gate.h"
#include "shell/tray_icon.h"

class QSystemTrayIcon;

namespace keyloom {

// The tray icon with QSystemTrayIcon. Its clicks reach the program as the mouse codes of the
// tray table: a left press as 513, a right press as 516, a double click as 515.
class QtTrayIcon final : public TrayIcon {
 public:
  QtTrayIcon(TrayEvents& events, const EventGate& gate);
  ~QtTrayIcon() override;

  bool Add(std::string_view tip) override;
  bool Available() const override;
  void ShowNotification(std::string_view title, std::string_view text) override;
  void ShowState(std::string_view tip, bool paused) override;

 private:
  std::unique_ptr<QSystemTrayIcon> icon_;
};

}  // namespace keyloom
