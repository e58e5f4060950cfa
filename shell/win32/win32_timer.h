#pragma once

#include "shell/win32/win32_api.h"

#include <functional>

#include "shell/timer.h"

namespace keyloom {

// A SetTimer timer on a window of the shell, which passes WM_TIMER on by the timer's id.
class Win32Timer final : public Timer {
 public:
  Win32Timer(HWND window, UINT_PTR id, std::function<void()> on_tick);
  ~Win32Timer() override;
  Win32Timer(const Win32Timer&) = delete;
  Win32Timer& operator=(const Win32Timer&) = delete;

  void SetInterval(int milliseconds) override;
  int Interval() const override { return interval_; }
  void SetEnabled(bool enabled) override;
  bool Enabled() const override { return enabled_; }

  void Tick();

 private:
  void Arm();

  HWND window_;
  UINT_PTR id_;
  std::function<void()> on_tick_;
  int interval_ = 0;
  bool enabled_ = false;
};

}  // namespace keyloom
