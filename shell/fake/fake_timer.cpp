#include "shell/fake/fake_timer.h"

#include <algorithm>

namespace keyloom {

void FakeTimerQueue::Advance(std::int64_t milliseconds) {
  const std::int64_t end = now_ + std::max<std::int64_t>(milliseconds, 0);
  while (!(blocked_ && blocked_())) {
    FakeTimer* next = nullptr;
    for (FakeTimer* timer : timers_) {
      if (timer->Ticking() && timer->due_ <= end && (next == nullptr || timer->due_ < next->due_)) {
        next = timer;
      }
    }
    if (next == nullptr) break;
    now_ = next->due_;
    next->Tick();
  }
  now_ = end;
}

void FakeTimerQueue::Unregister(FakeTimer* timer) {
  timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}

FakeTimer::FakeTimer(FakeTimerQueue& queue, std::function<void()> on_tick)
    : queue_(queue), on_tick_(std::move(on_tick)) {
  queue_.Register(this);
}

FakeTimer::~FakeTimer() { queue_.Unregister(this); }

void FakeTimer::SetInterval(int milliseconds) {
  interval_ = std::max(milliseconds, 0);
  due_ = queue_.now() + interval_;
}

void FakeTimer::SetEnabled(bool enabled) {
  if (enabled && !enabled_) due_ = queue_.now() + interval_;
  enabled_ = enabled;
}

void FakeTimer::Tick() {
  due_ += interval_;
  ++tick_count_;
  on_tick_();
}

}  // namespace keyloom
