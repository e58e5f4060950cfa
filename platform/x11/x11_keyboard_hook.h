#pragma once

#include <X11/Xlib.h>

#include <array>
#include <deque>
#include <memory>
#include <optional>
#include <set>
#include <span>

#include "platform/keyboard_hook.h"
#include "platform/x11/atspi_focus_watch.h"
#include "platform/x11/focused_application.h"
#include "platform/x11/grab_history.h"
#include "platform/x11/held_key.h"
#include "platform/x11/held_presses.h"
#include "platform/x11/own_key_presses.h"
#include "platform/linux/qt_event_source.h"
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
// deciding about a grabbed key, that key counts as withheld so that the keyboard is free.
class X11KeyboardHook final : public KeyboardHook {
 public:
  // `display` must outlive the hook; `xi_opcode` is the XInputExtension's major opcode;
  // `own_presses` are the keys the program's output sent, which are never reported;
  // `held_presses` the user's that the output held, reported when they are typed again.
  // `focus_watch` (may be null) tells whether keys go to a password field.
  X11KeyboardHook(Display* display, int xi_opcode, OwnKeyPresses& own_presses,
                  HeldPresses& held_presses, const AtspiFocusWatch* focus_watch = nullptr);
  ~X11KeyboardHook() override;
  X11KeyboardHook(const X11KeyboardHook&) = delete;
  X11KeyboardHook& operator=(const X11KeyboardHook&) = delete;

  bool Start(KeyHandler& handler) override;
  void SetWithholdableKeys(std::span<const int> key_codes) override;

  // The output is about to type while the handler decides a grabbed key, which keeps the
  // keyboard frozen, and with it the keys that the output sends: a handler that types in answer
  // to a key takes that key over, so it is withheld now and the keyboard runs on. Should the
  // handler not withhold it after all, the key is typed again. Returns the keys typed after it
  // meanwhile, kept from the windows: they belong after the output's. The user's presses among
  // them are reported when they are typed again.
  HeldKeys TakeOverPendingKey();
  // Whether the handler is deciding a key now.
  bool Reporting() const { return reporting_; }

 private:
  void Drain();
  void ReleasePendingGrab();
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
  OwnKeyPresses& own_presses_;
  HeldPresses& held_presses_;
  const AtspiFocusWatch* focus_watch_;
  FocusedApplication focused_application_{display_};
  std::set<int> xtest_devices_;          // the XTest keyboards that synthetic keys come from
  std::deque<int> own_grabbed_presses_;  // own presses of grabbed keys, from their raw events
  GrabHistory history_;
  bool draining_ = false;
  std::optional<Time> pending_grab_time_;  // the grabbed key the handler is deciding
  bool taken_over_ = false;                // that key was withheld for the handler's output
  bool reporting_ = false;                 // the handler runs
};

}  // namespace keyloom
