#pragma once

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <functional>
#include <optional>
#include <utility>

#include "platform/x11/held_key.h"
#include "platform/x11/own_key_presses.h"

namespace keyloom {

// The key that the handler is deciding, one owner for the hook and the output so that neither
// calls into the other. The hook tells when the handler decides a key and settles a grabbed
// key once the handler has returned; the output asks whether it types in answer to a key, and
// takes a grabbed key over before it types or waits. A grabbed key keeps the keyboard frozen,
// and with it the keys that the output sends, until it is settled or taken over.
class KeyInDecision {
 public:
  // What the hook does with the raw presses read while a key is taken over: whether the raw
  // press was the output's own (counting it); and how it reads the events read meanwhile later.
  struct HookSide {
    std::function<bool(const XIRawEvent& raw, unsigned long serial)> take_own_press;
    std::function<void()> drain_later;
  };

  // `display` is the hook's connection, which holds the grabs.
  KeyInDecision(Display* display, int xi_opcode, OwnKeyPresses& own_presses);
  // The hook tells its side once it is there.
  void SetHookSide(HookSide hook) { hook_ = std::move(hook); }

  // The handler decides a key (it may decide another while waiting in a dialog).
  void Begin() { ++depth_; }
  void End() { --depth_; }
  bool Deciding() const { return depth_ > 0; }

  // The keyboard froze at the grabbed press at server time `time`, which the handler decides.
  void Froze(Time time) { frozen_at_ = time; }
  // The handler waits in a dialog: the keyboard must not stay frozen meanwhile.
  void Thaw();
  // The handler has decided the grabbed press of `keycode`: it is swallowed or replayed. A key
  // that the output took over and that is not withheld after all is typed again.
  void Settle(unsigned int keycode, bool withheld);

  // The output is about to type or wait while the handler decides a grabbed key: the key is
  // withheld now, so that the keyboard runs on. Returns the keys typed after it meanwhile,
  // kept from the windows: they belong after the output's. The user's presses among them are
  // reported when they are typed again.
  HeldKeys TakeOver();

 private:
  Display* display_;
  ::Window root_;
  int xi_opcode_;
  OwnKeyPresses& own_presses_;
  HookSide hook_;
  int depth_ = 0;
  std::optional<Time> frozen_at_;
  bool taken_over_ = false;
};

}  // namespace keyloom
