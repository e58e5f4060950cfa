#include "platform/x11/held_presses.h"

#include <algorithm>

namespace keyloom {

void HeldPresses::Held(int keycode, unsigned long time, Clock::time_point now) {
  presses_.push_back({keycode, time, now});
}

bool HeldPresses::TakeIfHeld(int keycode, unsigned long time, Clock::time_point now) {
  // The raw event is there, so the grab's event of the same press has been sent too.
  if (read_held_) read_held_();
  while (!presses_.empty() && now - presses_.front().held > kForgetAfter) presses_.pop_front();
  const auto held = std::find_if(presses_.begin(), presses_.end(), [&](const Press& press) {
    return press.keycode == keycode && press.time == time;
  });
  if (held == presses_.end()) return false;
  presses_.erase(held);
  return true;
}

}  // namespace keyloom
