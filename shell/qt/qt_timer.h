#pragma once

#include <functional>
#include <memory>

#include "shell/qt/event_gate.h"
#include "shell/timer.h"

class QTimer;

namespace keyloom {

// A Timer on QTimer. Enabled and interval are kept apart, as the interface has them: an
// enabled timer with interval 0 exists but never ticks.
class QtTimer final : public Timer {
 public:
  QtTimer(std::function<void()> on_tick, const EventGate& gate);
  ~QtTimer() override;

  void SetInterval(int milliseconds) override;
  int Interval() const override { return interval_; }
  void SetEnabled(bool enabled) override;
  bool Enabled() const override { return enabled_; }

 private:
  void Apply();

  std::function<void()> on_tick_;
  const EventGate& gate_;
  std::unique_ptr<QTimer> timer_;
  int interval_ = 0;
  bool enabled_ = false;
};

}  // namespace keyloom
