#pragma once

#include <map>
#include <vector>

namespace keyloom {

// Which keycodes the hook had grabbed when the X server generated an event. The server stamps
// each event with the serial number of the last request it had processed, so an event whose
// serial is at or after a grab request's serial was generated with that grab in place, and
// one before it without. The raw events of a grabbed key are skipped by this test, since the
// key reaches the hook through its grab.
class GrabHistory {
 public:
  // The grab (or release) request of `keycode` carries `request_serial`.
  void Grabbed(int keycode, unsigned long request_serial);
  void Released(int keycode, unsigned long request_serial);

  bool WasGrabbed(int keycode, unsigned long event_serial) const;

  // Events come in serial order: forgets what no event at or after `event_serial` can need.
  void Forget(unsigned long event_serial);

 private:
  struct Change {
    unsigned long serial;
    bool grabbed;
  };
  std::map<int, std::vector<Change>> changes_;  // per keycode, in serial order
};

}  // namespace keyloom
