#pragma once

#include <X11/Xlib.h>

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "platform/keystroke_output.h"
#include "platform/x11/own_key_presses.h"
#include "platform/x11/scratch_keycodes.h"
#include "platform/x11/x11_keymap.h"

namespace keyloom {

// Keystroke output through XTest on a connection of its own. Characters are typed with the
// keys of the current layout group that give them (Shift added as the lock state needs);
// characters the map lacks are bound to spare keycodes. Modifier keys that are down when a
// Send starts are released for the time of the typing, so that the text arrives as text,
// and pressed again afterwards only while a physical keyboard still holds them; a key to be
// typed that is still down (the Space that ended the launch letters, say) is released first,
// or the server would take the typed press for a repeat. Send returns once the server has
// processed every key.
class X11KeystrokeOutput final : public KeystrokeOutput {
 public:
  // What the backend's other parts do around the typing.
  struct Neighbours {
    // Before any key goes out: a grabbed key that the handler is still deciding would keep the
    // keyboard frozen, and the keys behind it (X11KeyboardHook::TakeOverPendingKey).
    std::function<void()> before_typing;
    // After a paste key went out: the window fetches the paste from the clipboard's owner
    // later, and nothing may overtake it (X11Clipboard::AwaitPasteFetch).
    std::function<void()> after_paste_key;
  };

  // `own_presses` learns every key press sent, for the hook to leave out.
  X11KeystrokeOutput(Display* display, OwnKeyPresses& own_presses, Neighbours neighbours);
  ~X11KeystrokeOutput() override;
  X11KeystrokeOutput(const X11KeystrokeOutput&) = delete;
  X11KeystrokeOutput& operator=(const X11KeystrokeOutput&) = delete;

  bool Send(std::span<const KeyAction> actions) override;

 private:
  struct Stroke {
    int keycode = 0;
    bool shift = false;
    int modifiers = 0;  // kShiftMask | kCtrlMask | kAltMask
  };

  void ReadMappingChanges();
  void KeymapChanged();
  std::optional<Stroke> Resolve(const KeyAction& action, int group, unsigned int locked_mods);
  using KeyBits = std::array<char, 32>;
  KeyBits KeysDown() const;
  std::vector<int> ModifierKeysDown(const KeyBits& keys) const;
  std::vector<int> HeldByPhysicalKeyboards(const std::vector<int>& keycodes) const;
  void Type(const Stroke& stroke, unsigned int locked_mods);
  void Key(int keycode, bool press);

  Display* display_;
  OwnKeyPresses& own_presses_;
  Neighbours neighbours_;
  X11Keymap keymap_;
  ScratchKeycodes scratch_;
  int shift_keycode_ = 0;
  int control_keycode_ = 0;
  int alt_keycode_ = 0;
};

}  // namespace keyloom
