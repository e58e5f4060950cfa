#include "shell/qt/qt_timer.h"

#include <QTimer>

namespace keyloom {

QtTimer::QtTimer(std::function<void()> on_tick, const EventGate& gate)
    : on_tick_(std::move(on_tick)), gate_(gate), timer_(std::make_unique<QTimer>()) {
  timer_->setTimerType(Qt::PreciseTimer);
  QObject::connect(timer_.get(), &QTimer::timeout, [this] {
    if (!gate_.closed) on_tick_();
  });
}

QtTimer::~QtTimer() = default;

void QtTimer::SetInterval(int milliseconds) {
  interval_ = milliseconds < 0 ? 0 : milliseconds;
  // A new interval starts counting afresh.
  Apply();
}

void QtTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Apply();
}

void QtTimer::Apply() {
  if (enabled_ && interval_ > 0) {
    timer_->start(interval_);
  } else {
    timer_->stop();
  }
}

}  // namespace keyloom
