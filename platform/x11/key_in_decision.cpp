#include "platform/x11/key_in_decision.h"

#include <X11/extensions/XTest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace keyloom {

KeyInDecision::KeyInDecision(Display* display, int xi_opcode, OwnKeyPresses& own_presses)
    : display_(display),
      root_(DefaultRootWindow(display)),
      xi_opcode_(xi_opcode),
      own_presses_(own_presses) {}

void KeyInDecision::Thaw() {
  if (!frozen_at_) return;
  XUngrabKeyboard(display_, *frozen_at_);
  XFlush(display_);
  frozen_at_.reset();
}

void KeyInDecision::Settle(unsigned int keycode, bool withheld) {
  if (!frozen_at_) {
    // Thawed early: the handler waited in a dialog, or typed and took the key over.
    if (std::exchange(taken_over_, false) && !withheld) {
      own_presses_.Sent(static_cast<int>(keycode));
      XTestFakeKeyEvent(display_, keycode, True, CurrentTime);
      XTestFakeKeyEvent(display_, keycode, False, CurrentTime);
      XFlush(display_);
    }
    return;
  }
  const Time time = *std::exchange(frozen_at_, std::nullopt);
  if (withheld) {
    // Ending the grab swallows the key; whatever the keyboard queued meanwhile (the handler's
    // own typing included) then goes to the focused window in order.
    XUngrabKeyboard(display_, time);
  } else {
    XAllowEvents(display_, ReplayKeyboard, time);
  }
  XFlush(display_);
}

HeldKeys KeyInDecision::TakeOver() {
  if (!frozen_at_) return {};
  // The keys queued behind the frozen key come to this connection instead of the windows: an
  // active grab of the same client replaces the frozen one.
  XGrabKeyboard(display_, root_, False, GrabModeAsync, GrabModeAsync, CurrentTime);
  unsigned long ungrab_serial = NextRequest(display_);
  XUngrabKeyboard(display_, CurrentTime);
  // The output goes on a connection of its own: the server must have ended the grab first.
  XSync(display_, False);
  frozen_at_.reset();
  taken_over_ = true;
  // Only key events from before the ungrab came through that grab; later ones are a passive
  // grab's, which the hook must decide. A press's raw event comes before the grab's event of
  // it: the raw ones tell which presses were the output's. The user's are heard when typed
  // again, after the handler has decided the pending key and taken the keys it withholds next.
  struct Match {
    unsigned long ungrab_serial;
    int xi_opcode;
  } match{ungrab_serial, xi_opcode_};
  const auto came_through_grab = [](Display*, XEvent* event, XPointer arg) {
    const auto& [serial, xi_opcode] = *reinterpret_cast<Match*>(arg);
    const bool raw_press = event->type == GenericEvent && event->xcookie.extension == xi_opcode &&
                           event->xcookie.evtype == XI_RawKeyPress;
    return static_cast<Bool>((event->type == KeyPress || event->type == KeyRelease || raw_press) &&
                             event->xany.serial < serial);
  };
  HeldKeys keys;
  std::vector<std::pair<int, Time>> own_presses;
  XEvent event;
  while (XCheckIfEvent(display_, &event, came_through_grab, reinterpret_cast<XPointer>(&match))) {
    if (event.type == KeyPress) {
      const auto own = std::find(own_presses.begin(), own_presses.end(),
                                 std::pair<int, Time>(event.xkey.keycode, event.xkey.time));
      keys.push_back({event.xkey.keycode, true, own != own_presses.end()});
      if (own != own_presses.end()) own_presses.erase(own);
    } else if (event.type == KeyRelease) {
      keys.push_back({event.xkey.keycode, false});
    } else if (XGetEventData(display_, &event.xcookie)) {
      const auto* raw = static_cast<const XIRawEvent*>(event.xcookie.data);
      if (hook_.take_own_press && hook_.take_own_press(*raw, event.xcookie.serial)) {
        own_presses.emplace_back(raw->detail, raw->time);
      }
      XFreeEventData(display_, &event.xcookie);
    }
  }
  if (hook_.drain_later) hook_.drain_later();
  return keys;
}

}  // namespace keyloom
