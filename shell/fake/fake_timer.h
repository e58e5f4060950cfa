#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "shell/timer.h"

namespace keyloom {

class FakeTimer;

// The fake shell's time, advanced by hand. Timers tick only inside Advance.
class FakeTimerQueue {
 public:
  // Moves time forward by `milliseconds`, firing every due tick in time order (timers due at
  // the same moment in the order they were created). A tick may change any timer; the next due
  // ticks are worked out again after each one.
  void Advance(std::int64_t milliseconds);
  std::int64_t now() const { return now_; }
  // The live timers in creation order.
  const std::vector<FakeTimer*>& timers() const { return timers_; }

  // Set by FakeShell: while it returns true (the program quit), nothing ticks.
  void set_blocked(std::function<bool()> blocked) { blocked_ = std::move(blocked); }

 private:
  friend class FakeTimer;
  void Register(FakeTimer* timer) { timers_.push_back(timer); }
  void Unregister(FakeTimer* timer);

  std::int64_t now_ = 0;
  std::vector<FakeTimer*> timers_;  // in creation order
  std::function<bool()> blocked_;
};

// A timer of a FakeTimerQueue, which must outlive it. An enabled timer with a positive interval
// ticks every interval, starting one interval after it was enabled; changing the interval of
// an enabled timer starts the interval again. Interval 0 never ticks.
class FakeTimer final : public Timer {
 public:
  FakeTimer(FakeTimerQueue& queue, std::function<void()> on_tick);
  ~FakeTimer() override;
  FakeTimer(const FakeTimer&) = delete;
  FakeTimer& operator=(const FakeTimer&) = delete;

  void SetInterval(int milliseconds) override;
  int Interval() const override { return interval_; }
  void SetEnabled(bool enabled) override;
  bool Enabled() const override { return enabled_; }

  int tick_count() const { return tick_count_; }

 private:
  friend class FakeTimerQueue;
  bool Ticking() const { return enabled_ && interval_ > 0; }
  void Tick();

  FakeTimerQueue& queue_;
  std::function<void()> on_tick_;
  int interval_ = 0;
  bool enabled_ = false;
  std::int64_t due_ = 0;
  int tick_count_ = 0;
};

}  // namespace keyloom
