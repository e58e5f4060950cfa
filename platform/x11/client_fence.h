#pragma once

#include <X11/Xlib.h>

#include <chrono>
#include <functional>

namespace keyloom {

// Tells when the client of the focused window has handled every event sent to it so far: a
// client that takes part in the window manager's ping protocol (_NET_WM_PING, which GTK and Qt
// answer) answers a ping in the order of its events. Clients look keys up in the keyboard map
// as the server has it when they handle them, so a spare keycode may carry a new character
// once they have handled the keys sent with its old one.
class ClientFence {
 public:
  // `display` is the output's connection; events other than the answer go to `other_events`.
  ClientFence(Display* display, std::function<void(const XEvent&)> other_events);

  // Pings the focused window's client and waits for its answer, for `timeout` at most. False
  // when it did not answer, or cannot (it does not take part in the protocol).
  bool Await(std::chrono::milliseconds timeout);

 private:
  // The focused window or the first of its ancestors that answers pings; None if none does.
  ::Window PingableFocus();

  Display* display_;
  std::function<void(const XEvent&)> other_events_;
  Atom wm_protocols_;
  Atom net_wm_ping_;
  long stamp_ = 0;
};

}  // namespace keyloom
