#pragma once

#include <X11/Xlib.h>

#include <array>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <span>

#include "platform/keyboard_hook.h"
#include "platform/keys_taken.h"
#include "platform/linux/qt_event_source.h"
#include "platform/x11/atspi_focus_watch.h"
#include "platform/x11/focused_application.h"
#include "platform/x11/grab_history.h"
#include "platform/x11/held_key.h"
#include "platform/x11/held_presses.h"
#include "platform/x11/key_in_decision.h"
#include "platform/x11/own_key_presses.h"
#include "platform/x11/x11_keymap.h"

namespace keyloom {

// The keyboard hook on X11, on a connection of its own that the Qt event loop watches.
// Every key press of every client arrives as an XInput2 raw event on the root window; those
// can only be observed. The keys that may have to be withheld are grabbed passively and
// synchronously with every modifier combination, so that the server freezes the keyboard at
// such a press until the handler has decided: the key is then swallowed (the grab is ended
// with the keyboard's queued events going on as usual) or replayed to the focused window. A
// grabbed key reaches the handler once, from its grab; its raw event is skipped. While a modal
// dialog is open no key is reported (its handler has not returned); if a handler opens one while
// deciding about a grabbed key, that key counts as withheld so that the keyboard is free. The
// key being decided, and the frozen keyboard, are the platform's KeyInDecision, which the
// output consults too.
class X11KeyboardHook final : public KeyboardHook {
 public:
  // `display` must outlive the hook; `xi_opcode` is the XInputExtension's major opcode;
  // `own_presses` are the keys the program's output sent, which are never reported;
  // `held_presses` the user's that the output held, reported when they are typed again;
  // `decision` tells the output of the key being decided. `focus_watch` (may be null) tells
  // whether keys go to a password field. While `keys_taken` (may be null) says that the other
  // program has taken the keys, a key of TakenKeys that comes through this hook's grab is
  // withheld (that program hears it from its raw event), and such grabs are kept until the keys
  // are given back.
  X11KeyboardHook(Display* display, int xi_opcode, OwnKeyPresses& own_presses,
                  HeldPresses& held_presses, KeyInDecision& decision,
                  const AtspiFocusWatch* focus_watch = nullptr, KeysTaken* keys_taken = nullptr);
  ~X11KeyboardHook() override;
  X11KeyboardHook(const X11KeyboardHook&) = delete;
  X11KeyboardHook& operator=(const X11KeyboardHook&) = delete;

  bool Start(KeyHandler& handler) override;
  void SetWithholdableKeys(std::span<const int> key_codes) override;
  void SetWithholdableChords(std::span<const KeyChord> chords) override;

 private:
  void Drain();
  void DrainLater();
  void HandleEvent(XEvent& event);
  void HandleRawPress(int keycode, int source_device, unsigned long serial, Time time);
  void HandleGrabbedPress(const XKeyEvent& event);
  // Runs the handler; whether it withheld the key. A handler that throws withholds nothing.
  bool Report(int keycode, unsigned int state);
  int VirtualKey(int keycode, unsigned int state) const;
  // What the active group types with the key, for words typed on layouts other than US.
  char32_t LayoutCharacter(int keycode, unsigned int state) const;
  void FindUsGroups();
  void KeymapChanged();
  void UpdateGrabs();
  // Adds to `wanted` the grabbed keys of TakenKeys while the other program has taken the keys.
  void KeepGrabsForTaker(std::set<int>& wanted);
  // Grabs each chord's key with the chord's modifiers only (in every lock state), where the
  // key is not grabbed whole; ungrabs the chords no longer wanted.
  void UpdateChordGrabs(const std::set<int>& whole_keys);
  // Whether the key's raw event is one that a chord's grab brings next.
  bool ComesThroughChordGrab(int keycode, unsigned long serial) const;

  Display* display_;
  ::Window root_;
  int xi_opcode_;
  int xkb_event_base_ = 0;
  unsigned int num_lock_mask_ = 0;
  KeyHandler* handler_ = nullptr;
  std::unique_ptr<QtEventSource> events_;
  X11Keymap keymap_;
  unsigned int xkb_mods_ = 0;  // the effective modifiers as the event stream stands
  int xkb_group_ = 0;
  std::array<bool, XkbNumKbdGroups> us_groups_{};  // which groups of the map are the US layout
  std::set<int> withholdable_;                     // virtual-key codes
  std::set<int> grabbed_;                          // keycodes
  // Grabs no longer wanted that are kept while the other program has taken the keys.
  bool keeps_grabs_for_taker_ = false;
  std::vector<KeyChord> withholdable_chords_;
  std::map<int, std::set<unsigned int>> chord_grabs_;  // keycode: X modifier masks, locks aside
  OwnKeyPresses& own_presses_;
  HeldPresses& held_presses_;
  KeyInDecision& decision_;
  const AtspiFocusWatch* focus_watch_;
  KeysTaken* keys_taken_;
  FocusedApplication focused_application_{display_};
  std::set<int> xtest_devices_;          // the XTest keyboards that synthetic keys come from
  std::deque<int> own_grabbed_presses_;  // own presses of grabbed keys, from their raw events
  GrabHistory history_;
  GrabHistory chord_history_;
  bool draining_ = false;
};

}  // namespace keyloom
