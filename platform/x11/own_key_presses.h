#pragma once

#include <chrono>
#include <deque>

namespace keyloom {

// The key presses that keystroke output sent through XTest, in order, until the hook has seen
// them come back: the programs never take their own typing for the user's. X11 marks no event
// as a program's own, and the user's keys from xdotool come through XTest too, so an XTest
// press is the program's own exactly when it is the next one the output sent. A press that
// never comes back (the server dropped it) is forgotten after a while.
class OwnKeyPresses {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr std::chrono::seconds kForgetAfter{2};

  void Sent(int keycode, Clock::time_point now = Clock::now());
  // Whether a press of `keycode` that arrived through XTest is the next one the output sent;
  // takes it off the list if so.
  bool TakeIfOwn(int keycode, bool through_xtest, Clock::time_point now = Clock::now());

 private:
  struct Press {
    int keycode;
    Clock::time_point sent;
  };
  std::deque<Press> pending_;
};

}  // namespace keyloom
