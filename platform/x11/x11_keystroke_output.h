#pragma once

#include <X11/Xlib.h>

#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "platform/keystroke_output.h"
#include "platform/linux/qt_event_source.h"
#include "platform/x11/client_fence.h"
#include "platform/x11/held_key.h"
#include "platform/x11/held_presses.h"
#include "platform/x11/key_in_decision.h"
#include "platform/x11/output_keysyms.h"
#include "platform/x11/own_key_presses.h"
#include "platform/x11/scratch_keycodes.h"
#include "platform/x11/x11_keymap.h"

namespace keyloom {

// Keystroke output through XTest on a connection of its own. Characters are typed with the
// keys of the current layout group that give them (Shift added as the lock state needs);
// characters the map lacks are bound to spare keycodes. Modifier keys
// that are down when a Send starts are released for the time of the typing, so that the text
// arrives as text, and pressed again afterwards only while a physical keyboard still holds them; a
// key to be typed that is still down (the Space that ended the launch letters, say) is released
// first, or the server would take the typed press for a repeat. Send returns once the server has
// processed every key.
//
// What the user types while a key event sends keys is held with an active grab of the keyboard
// and follows everything the event sends, once it has ended.
//
// X11 clients fetch a paste from the clipboard's owner after the paste key has reached them,
// and GTK and Tk handle the keys behind it meanwhile. So after a paste key the output waits
// for the fetch, holding the user's keys with an active grab of the keyboard; whatever the
// program sends meanwhile waits too. Once the event that pasted has ended, the grab ends, the
// program's keys go out and then the user's, in the order they were typed.
class X11KeystrokeOutput final : public KeystrokeOutput {
 public:
  // The user's presses that a hold keeps back go to `held_presses`: they are typed again as
  // the user's, for the hook to hear then. `decision` tells whether the keys are sent in
  // answer to a key event, and takes over a grabbed key that keeps the keyboard frozen before
  // the output types or waits. After a paste key went out, `await_paste` waits until the
  // focused window has fetched the paste (X11Clipboard::AwaitPasteFetch).
  X11KeystrokeOutput(Display* display, OwnKeyPresses& own_presses, HeldPresses& held_presses,
                     KeyInDecision& decision, std::function<void()> await_paste);
  ~X11KeystrokeOutput() override;
  X11KeystrokeOutput(const X11KeystrokeOutput&) = delete;
  X11KeystrokeOutput& operator=(const X11KeystrokeOutput&) = delete;

  // While the user's keys are held after a paste, the actions wait with them (and count as
  // sent): they go out when the event that pasted has ended, before the user's keys.
  bool Send(std::span<const KeyAction> actions) override;

 private:
  using KeyBits = std::array<char, 32>;

  struct Stroke {
    int keycode = 0;
    bool shift = false;
    int modifiers = 0;  // kShiftMask | kCtrlMask | kAltMask
  };

  struct Binding {
    ScratchKeycodes::Slot slot;
    CaseKeysyms keysyms;
  };
  // Where an action's key is: its stroke (none when no key types it), the spare keycode to bind
  // first, or that the round has no spare keycode left for it.
  struct Placement {
    std::optional<Stroke> stroke;
    std::optional<Binding> binding;
    bool round_full = false;
  };

  // `event_ended`: the event that sent the keys has ended, and the user's keys held meanwhile
  // follow them; otherwise they stay held until it has.
  bool SendNow(std::span<const KeyAction> actions, bool event_ended);
  void Bind(const std::vector<Binding>& bindings);
  // Before waiting for clients: the keyboard runs, and the user's keys are held.
  void BeforeWaiting();
  void GrabKeys();
  void EndGrab();
  void ReleaseServer();
  // Holds the user's keys until the current event has ended; after a paste key, the program's
  // too, and not before the window has fetched the paste.
  void HoldUsersKeys(bool pasted);
  void EndHold();
  // Without a round trip: the user's next key would overtake the ones held.
  void ReplayUsersKeys();
  // Handles the connection's events: keyboard map changes, and the user's keys while held.
  void ReadEvents();
  void HandleEvent(const XEvent& event);
  void KeymapChanged();
  Placement Resolve(const KeyAction& action, int group, unsigned int locked_mods);
  KeyBits KeysDown() const;
  std::vector<int> ModifierKeysDown(const KeyBits& keys) const;
  std::vector<int> HeldByPhysicalKeyboards(const std::vector<int>& keycodes) const;
  void Type(const Stroke& stroke, unsigned int locked_mods);
  void PressAfresh(int keycode);
  void Key(int keycode, bool press);

  // How long a client that answers pings may take to catch up with the keys sent.
  static constexpr std::chrono::milliseconds kFenceWait{1000};

  Display* display_;
  ClientFence fence_;
  OwnKeyPresses& own_presses_;
  HeldPresses& held_presses_;
  KeyInDecision& decision_;
  std::function<void()> await_paste_;
  X11Keymap keymap_;
  ScratchKeycodes scratch_;
  int shift_keycode_ = 0;
  int control_keycode_ = 0;
  int alt_keycode_ = 0;
  bool mapping_changed_ = false;
  bool holding_ = false;         // after a paste: the user's keys are held; the program's wait
  bool hold_ends_soon_ = false;  // the hold of the user's keys ends once the event has ended
  bool keys_grabbed_ = false;    // key events come to this connection
  bool server_grabbed_ = false;  // no other client's request runs, another program's keys neither
  KeyActions held_actions_;
  HeldKeys users_keys_;
  std::unique_ptr<QtEventSource> events_;  // from the first hold on
};

}  // namespace keyloom
