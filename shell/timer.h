#pragma once

namespace keyloom {

// A UI-thread timer. Ticks every interval while enabled, starting one interval after it was
// enabled. Created disabled.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual void SetInterval(int milliseconds) = 0;  // 0: the timer never ticks
  virtual int Interval() const = 0;
  // Enabling an enabled timer changes nothing; Restart starts the interval again.
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
  void Restart() {
    SetEnabled(false);
    SetEnabled(true);
  }
};

}  // namespace keyloom
