#include "shell/win32/win32_timer.h"

#include <utility>

namespace keyloom {

Win32Timer::Win32Timer(HWND window, UINT_PTR id, std::function<void()> on_tick)
    : window_(window), id_(id), on_tick_(std::move(on_tick)) {}

Win32Timer::~Win32Timer() { KillTimer(window_, id_); }

void Win32Timer::SetInterval(int milliseconds) {
  interval_ = milliseconds < 0 ? 0 : milliseconds;
  // A new interval starts counting from now, as the timers of the window designs do.
  if (enabled_) Arm();
}

void Win32Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Arm();
}

void Win32Timer::Arm() {
  KillTimer(window_, id_);
  if (enabled_ && interval_ > 0) SetTimer(window_, id_, static_cast<UINT>(interval_), nullptr);
}

void Win32Timer::Tick() {
  if (enabled_ && interval_ > 0) on_tick_();
}

}  // namespace keyloom
