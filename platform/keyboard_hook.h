#pragma once

#include <span>

#include "platform/key_event.h"

namespace keyloom {

// A key pressed with exactly these modifiers (kShiftMask | kCtrlMask | kAltMask).
struct KeyChord {
  int key_code = 0;
  int modifiers = 0;
  friend bool operator==(const KeyChord&, const KeyChord&) = default;
};

// The system-wide keyboard hook: reports every key press of every application to one handler,
// on the UI thread, before the focused window receives it.
class KeyboardHook {
 public:
  virtual ~KeyboardHook() = default;
  // Starts reporting keys to `handler`. False when the hook cannot be installed.
  virtual bool Start(KeyHandler& handler) = 0;
  // The keys (virtual-key codes, with any modifiers) that the handler may have to withhold from
  // now on. A backend that cannot withhold every key (X11) grabs only these; others are observed.
  virtual void SetWithholdableKeys(std::span<const int> key_codes) = 0;
  // Chords that the handler may have to withhold, beyond those keys; the same key with other
  // modifiers stays unheld. A backend that sees every key first needs none of this.
  virtual void SetWithholdableChords(std::span<const KeyChord> /*chords*/) {}
};

}  // namespace keyloom
