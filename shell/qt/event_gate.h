#pragma once

namespace keyloom {

// Closed once the program quits: from then on no window event, timer tick or tray click
// reaches the program, even those Qt has already queued.
struct EventGate {
  bool closed = false;
};

}  // namespace keyloom
