#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <utility>

namespace keyloom {

// The user's key presses that a grab of the keystroke output held from the windows, to be typed
// again after the program's keys. The hook hears such a press when it is typed again, and must
// pass over its first raw event: that one came while nothing could withhold the key yet. A raw
// event and the grab's event of one press share the key and the server time.
class HeldPresses {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr std::chrono::seconds kForgetAfter{2};

  // `read_held` reads the presses that the output's grab has brought so far.
  void SetReader(std::function<void()> read_held) { read_held_ = std::move(read_held); }
  void Held(int keycode, unsigned long time, Clock::time_point now = Clock::now());
  // Whether the press of `keycode` at server time `time` was held; takes it off the list if so.
  bool TakeIfHeld(int keycode, unsigned long time, Clock::time_point now = Clock::now());

 private:
  struct Press {
    int keycode;
    unsigned long time;
    Clock::time_point held;
  };
  std::function<void()> read_held_;
  std::deque<Press> presses_;
};

}  // namespace keyloom
