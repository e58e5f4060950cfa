#include "platform/x11/grab_history.h"

#include <algorithm>
#include <iterator>

namespace keyloom {

void GrabHistory::Grabbed(int keycode, unsigned long request_serial) {
  changes_[keycode].push_back({request_serial, true});
}

void GrabHistory::Released(int keycode, unsigned long request_serial) {
  changes_[keycode].push_back({request_serial, false});
}

bool GrabHistory::WasGrabbed(int keycode, unsigned long event_serial) const {
  const auto found = changes_.find(keycode);
  if (found == changes_.end()) return false;
  bool grabbed = false;
  for (const Change& change : found->second) {
    if (change.serial > event_serial) break;
    grabbed = change.grabbed;
  }
  return grabbed;
}

void GrabHistory::Forget(unsigned long event_serial) {
  for (auto it = changes_.begin(); it != changes_.end();) {
    std::vector<Change>& changes = it->second;
    // The latest change at or before the serial decides for every later event up to the next.
    const auto later = std::find_if(changes.begin(), changes.end(),
                                    [&](const Change& c) { return c.serial > event_serial; });
    if (later != changes.begin()) changes.erase(changes.begin(), std::prev(later));
    const bool settled_release =
        changes.size() == 1 && !changes.front().grabbed && changes.front().serial <= event_serial;
    it = settled_release ? changes_.erase(it) : std::next(it);
  }
}

}  // namespace keyloom
