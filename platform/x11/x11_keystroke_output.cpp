#include "platform/x11/x11_keystroke_output.h"

#include <X11/XKBlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XInput.h>
#include <X11/extensions/XInput2.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <thread>
#include <utility>

#include "platform/key_event.h"
#include "platform/x11/output_keysyms.h"
#include "platform/x11/x11_errors.h"

namespace keyloom {
namespace {

// Modifier keys that lock rather than being held; they are never released or pressed here.
bool IsLockKey(KeySym keysym) {
  return keysym == XK_Caps_Lock || keysym == XK_Shift_Lock || keysym == XK_Num_Lock ||
         keysym == XK_Scroll_Lock;
}

bool KeyBitSet(const char* bits, int keycode) {
  return (static_cast<unsigned char>(bits[keycode / 8]) >> (keycode % 8)) & 1;
}

}  // namespace

X11KeystrokeOutput::X11KeystrokeOutput(Display* display, OwnKeyPresses& own_presses,
                                       HeldPresses& held_presses, KeyInDecision& decision,
                                       std::function<void()> await_paste)
    : display_(display),
      fence_(display, [this](const XEvent& event) { HandleEvent(event); }),
      own_presses_(own_presses),
      held_presses_(held_presses),
      decision_(decision),
      await_paste_(std::move(await_paste)),
      keymap_(display) {
  KeymapChanged();
  held_presses_.SetReader([this] {
    if (!keys_grabbed_) return;
    XSync(display_, False);
    ReadEvents();
  });
}

X11KeystrokeOutput::~X11KeystrokeOutput() {
  held_presses_.SetReader({});
  // The borrowed keycodes go back to having no symbols.
  std::vector<int> keycodes;
  for (const ScratchKeycodes::Binding& binding : scratch_.Bindings()) {
    keycodes.push_back(binding.keycode);
  }
  keymap_.Unbind(keycodes);
  XSync(display_, False);
}

void X11KeystrokeOutput::KeymapChanged() {
  keymap_.Reload();
  const auto first_keycode = [this](std::initializer_list<KeySym> keysyms) {
    for (const KeySym keysym : keysyms) {
      const auto position = keymap_.Find(keysym, 0, 0, [](int) { return false; });
      if (position) return position->keycode;
    }
    return 0;
  };
  shift_keycode_ = first_keycode({XK_Shift_L, XK_Shift_R});
  control_keycode_ = first_keycode({XK_Control_L, XK_Control_R});
  alt_keycode_ = first_keycode({XK_Alt_L, XK_Meta_L, XK_Alt_R});

  // Spare keycodes: those without symbols (a new keyboard map drops the bindings), and those
  // that still hold a binding of ours.
  const std::vector<int> empty = keymap_.EmptyKeycodes();
  std::vector<int> bound;
  for (const ScratchKeycodes::Binding& binding : scratch_.Bindings()) {
    if (keymap_.Symbol(binding.keycode, 0, 0) == binding.keysym) bound.push_back(binding.keycode);
  }
  scratch_.SetSpareKeycodes(empty, bound);
}

void X11KeystrokeOutput::ReadEvents() {
  mapping_changed_ = false;
  while (XPending(display_) > 0) {
    XEvent event;
    XNextEvent(display_, &event);
    HandleEvent(event);
  }
  if (mapping_changed_) KeymapChanged();
}

void X11KeystrokeOutput::HandleEvent(const XEvent& event) {
  if (event.type == MappingNotify) {
    XMappingEvent mapping = event.xmapping;
    XRefreshKeyboardMapping(&mapping);
    mapping_changed_ = true;
  } else if (event.type == KeyPress || event.type == KeyRelease) {
    // Only a grab of this connection brings key events: the user's, held back.
    users_keys_.push_back({event.xkey.keycode, event.type == KeyPress});
    if (event.type == KeyPress) {
      held_presses_.Held(static_cast<int>(event.xkey.keycode), event.xkey.time);
    }
  }
}

X11KeystrokeOutput::Placement X11KeystrokeOutput::Resolve(const KeyAction& action, int group,
                                                          unsigned int locked_mods) {
  const KeySym keysym = action.kind == KeyAction::Kind::kNamedKey
                            ? KeysymForNamedKey(action.key)
                            : KeysymForCharacter(action.character);
  if (keysym == NoSymbol) return Placement{std::nullopt, std::nullopt, false};
  // A spare keycode carries a letter with its other case on an alphabetic key, as the keys of
  // a layout do, so Caps Lock picks the case as it does there. A chord goes out with the locks
  // cleared (see Type).
  const CaseKeysyms cases = action.kind == KeyAction::Kind::kCharacter
                                ? CaseKeysymsOf(action.character)
                                : CaseKeysyms{keysym, keysym};
  const bool chord = action.modifiers != 0;
  if (chord) locked_mods = 0;
  const bool cased = cases.lower != cases.upper;
  const bool scratch_shift = cased && ((keysym == cases.upper) != ((locked_mods & LockMask) != 0));
  const ScratchKeycodes::Clock::time_point now = ScratchKeycodes::Clock::now();
  if (const std::optional<int> bound = scratch_.Find(cases.lower, now)) {
    return Placement{Stroke{*bound, scratch_shift, action.modifiers}, std::nullopt, false};
  }
  const auto skip_spare = [this](int keycode) { return scratch_.IsSpare(keycode); };
  if (action.kind == KeyAction::Kind::kCharacter && action.modifiers != 0) {
    // A shortcut: applications match its key by the key's first level, and Shift is held
    // exactly when the character needs it.
    if (const auto key = keymap_.FindAtFirstLevel(keysym, group, skip_spare)) {
      return Placement{Stroke{*key, false, action.modifiers}, std::nullopt, false};
    }
    if (cased && keysym == cases.upper) {
      if (const auto key = keymap_.FindAtFirstLevel(cases.lower, group, skip_spare)) {
        return Placement{Stroke{*key, true, action.modifiers}, std::nullopt, false};
      }
    }
  }
  const auto position = keymap_.Find(keysym, group, locked_mods, skip_spare);
  if (position) {
    return Placement{Stroke{position->keycode, position->shift, action.modifiers}, std::nullopt,
                     false};
  }
  const std::optional<ScratchKeycodes::Slot> slot = scratch_.Assign(cases.lower, now);
  // Every spare keycode serves this round already; without any, no key can type it.
  if (!slot) return {std::nullopt, std::nullopt, scratch_.HasSpareKeycodes()};
  return Placement{Stroke{slot->keycode, scratch_shift, action.modifiers}, Binding{*slot, cases},
                   false};
}

X11KeystrokeOutput::KeyBits X11KeystrokeOutput::KeysDown() const {
  KeyBits keys{};
  XQueryKeymap(display_, keys.data());
  return keys;
}

std::vector<int> X11KeystrokeOutput::ModifierKeysDown(const KeyBits& keys) const {
  std::vector<int> down;
  for (int keycode = keymap_.min_keycode(); keycode <= keymap_.max_keycode(); ++keycode) {
    if (keymap_.ModifiersOf(keycode) == 0 || !KeyBitSet(keys.data(), keycode)) continue;
    if (!IsLockKey(keymap_.Symbol(keycode, 0, 0))) down.push_back(keycode);
  }
  return down;
}

std::vector<int> X11KeystrokeOutput::HeldByPhysicalKeyboards(
    const std::vector<int>& keycodes) const {
  // A keyboard unplugged meanwhile is no failure of the typing.
  X11ErrorTrap trap(display_);
  std::vector<int> held;
  int count = 0;
  XIDeviceInfo* devices = XIQueryDevice(display_, XIAllDevices, &count);
  for (int i = 0; i < count; ++i) {
    const XIDeviceInfo& info = devices[i];
    // The XTest keyboard carries synthetic keys only, ours and other programs'.
    if (info.use != XISlaveKeyboard || std::strstr(info.name, "XTEST") != nullptr) continue;
    XDevice* device = XOpenDevice(display_, static_cast<XID>(info.deviceid));
    if (device == nullptr) continue;
    if (XDeviceState* state = XQueryDeviceState(display_, device)) {
      const auto* cls = state->data;
      for (int c = 0; c < state->num_classes; ++c) {
        if (cls->c_class == KeyClass) {
          const auto* key_state = reinterpret_cast<const XKeyState*>(cls);
          for (const int keycode : keycodes) {
            if (keycode < key_state->num_keys && KeyBitSet(key_state->keys, keycode)) {
              held.push_back(keycode);
            }
          }
        }
        cls =
            reinterpret_cast<const XInputClass*>(reinterpret_cast<const char*>(cls) + cls->length);
      }
      XFreeDeviceState(state);
    }
    XCloseDevice(display_, device);
  }
  XIFreeDeviceInfo(devices);
  return held;
}

void X11KeystrokeOutput::Key(int keycode, bool press) {
  if (keycode == 0) return;
  if (press) own_presses_.Sent(keycode);
  XTestFakeKeyEvent(display_, static_cast<unsigned int>(keycode), press, 0);
}

void X11KeystrokeOutput::PressAfresh(int keycode) {
  // A key still down (the Space that ended the launch letters, or a key the user pressed while
  // held) would make the press a repeat, which the server drops. The server drops the release
  // of a key that is up, so the key is released first, whatever the state: asking for it
  // would leave time for the user's next key.
  Key(keycode, false);
  Key(keycode, true);
}

void X11KeystrokeOutput::Type(const Stroke& stroke, unsigned int locked_mods) {
  const bool shift = stroke.shift || (stroke.modifiers & kShiftMask) != 0;
  const bool control = (stroke.modifiers & kCtrlMask) != 0;
  const bool alt = (stroke.modifiers & kAltMask) != 0;
  // A chord reaches the window as exactly the named chord: Caps Lock would add Shift's level
  // to Ctrl+V, Num Lock its modifier to Shift+Insert.
  const bool clear_locks = stroke.modifiers != 0 && locked_mods != 0;
  if (clear_locks) XkbLockModifiers(display_, XkbUseCoreKbd, locked_mods, 0);
  if (control) Key(control_keycode_, true);
  if (alt) Key(alt_keycode_, true);
  if (shift) Key(shift_keycode_, true);
  PressAfresh(stroke.keycode);
  Key(stroke.keycode, false);
  if (shift) Key(shift_keycode_, false);
  if (alt) Key(alt_keycode_, false);
  if (control) Key(control_keycode_, false);
  if (clear_locks) XkbLockModifiers(display_, XkbUseCoreKbd, locked_mods, locked_mods);
}

bool X11KeystrokeOutput::Send(std::span<const KeyAction> actions) {
  if (holding_) {
    held_actions_.insert(held_actions_.end(), actions.begin(), actions.end());
    return true;
  }
  return SendNow(actions, false);
}

bool X11KeystrokeOutput::SendNow(std::span<const KeyAction> actions, bool event_ended) {
  X11ErrorTrap trap(display_);
  ReadEvents();
  XkbStateRec state{};
  XkbGetState(display_, XkbUseCoreKbd, &state);

  // Until the key event that sends them has ended, the program's keys go out between two grabs,
  // in one batch of requests each time: what the user types meanwhile follows everything the
  // event sends. After a paste key it waits until the window has the paste, too.
  const bool pasted = std::any_of(actions.begin(), actions.end(), IsPasteKey);
  const bool in_key_event = decision_.Deciding();
  const bool hold = pasted || (!event_ended && in_key_event);
  if (hold) BeforeWaiting();
  const std::vector<int> released =
      actions.empty() ? std::vector<int>{} : ModifierKeysDown(KeysDown());
  bool all_typed = true;
  bool started = false;
  std::size_t next = 0;
  do {
    // A round: the keys that the spare keycodes can carry at once, bound before the first of
    // them goes out, so that waiting for the clients comes before the keys and not among them.
    scratch_.BeginRound();
    std::vector<Stroke> strokes;
    std::vector<Binding> bindings;
    for (; next < actions.size(); ++next) {
      Placement placement = Resolve(actions[next], state.group, state.locked_mods);
      if (placement.round_full) break;
      if (!placement.stroke) {
        all_typed = false;
        continue;
      }
      strokes.push_back(*placement.stroke);
      if (placement.binding && placement.binding->slot.needs_binding) {
        bindings.push_back(*placement.binding);
      }
    }
    Bind(bindings);
    if (keys_grabbed_) EndGrab();
    if (!started) {
      started = true;
      for (const int keycode : released) Key(keycode, false);
    }
    for (const Stroke& stroke : strokes) Type(stroke, state.locked_mods);
    scratch_.RoundSent(ScratchKeycodes::Clock::now());
  } while (next < actions.size());
  if (hold) GrabKeys();
  // Once the event that sent them has ended, the user's keys held meanwhile follow at once.
  if (event_ended) ReplayUsersKeys();
  // A modifier that the user let go of meanwhile must not come back down.
  if (!released.empty()) {
    for (const int keycode : HeldByPhysicalKeyboards(released)) Key(keycode, true);
  }
  // Sync: the keys are in the server before the caller's quiet period starts.
  const bool delivered = trap.Sync() == 0 && all_typed;
  ReadEvents();  // the user's keys from just before the grab ended
  if (event_ended) ReplayUsersKeys();
  ReleaseServer();
  if (hold) HoldUsersKeys(pasted);
  return delivered;
}

void X11KeystrokeOutput::Bind(const std::vector<Binding>& bindings) {
  ScratchKeycodes::Clock::time_point ready_at{};
  bool rebinding = false;
  for (const Binding& binding : bindings) {
    rebinding |= binding.slot.rebinding;
    ready_at = std::max(ready_at, binding.slot.ready_at);
  }
  if (rebinding) {
    // The keys sent with the keycodes' old keysyms must be handled before they mean others;
    // what the user types meanwhile is held, to follow the program's keys.
    BeforeWaiting();
    XSync(display_, False);
    if (!fence_.Await(kFenceWait)) std::this_thread::sleep_until(ready_at);
  }
  std::vector<X11Keymap::Binding> keys;
  for (const Binding& binding : bindings) {
    keys.push_back({binding.slot.keycode, binding.keysyms.lower, binding.keysyms.upper});
  }
  keymap_.Bind(keys);
}

void X11KeystrokeOutput::BeforeWaiting() {
  // A grabbed key that the handler is still deciding keeps the keyboard frozen: the keys sent
  // so far wait behind it, in order, and the window could not answer.
  const HeldKeys earlier = decision_.TakeOver();
  users_keys_.insert(users_keys_.begin(), earlier.begin(), earlier.end());
  GrabKeys();
}

void X11KeystrokeOutput::GrabKeys() {
  if (keys_grabbed_) return;
  // The grab's key events come to this connection, whatever window they name.
  keys_grabbed_ = XGrabKeyboard(display_, DefaultRootWindow(display_), False, GrabModeAsync,
                                GrabModeAsync, CurrentTime) == GrabSuccess;
  // Waiting for a client comes next, which needs the server free.
  ReleaseServer();
}

void X11KeystrokeOutput::EndGrab() {
  // The user's keys so far are read first; the grab ends in the same batch as the program's
  // keys that follow.
  XSync(display_, False);
  ReadEvents();
  // The server runs one client's requests at a time but may turn to another's within a batch:
  // another program's key (xdotool's, a second keyboard tool's) would land between the
  // program's own. Until the keyboard is grabbed again or the event's keys have all gone out,
  // only this connection's requests run; events still reach every client.
  if (!server_grabbed_) XGrabServer(display_);
  server_grabbed_ = true;
  XUngrabKeyboard(display_, CurrentTime);
  keys_grabbed_ = false;
}

void X11KeystrokeOutput::ReleaseServer() {
  if (server_grabbed_) XUngrabServer(display_);
  server_grabbed_ = false;
  XFlush(display_);
}

void X11KeystrokeOutput::HoldUsersKeys(bool pasted) {
  BeforeWaiting();
  if (pasted && await_paste_) await_paste_();
  if (!keys_grabbed_ && users_keys_.empty()) return;
  // After a paste the event's further keys wait as well, to go out once it has ended.
  holding_ = holding_ || pasted;
  if (hold_ends_soon_) return;
  hold_ends_soon_ = true;
  if (!events_) {
    events_ = std::make_unique<QtEventSource>(ConnectionNumber(display_), [this] { ReadEvents(); });
  }
  events_->CallSoon([this] { EndHold(); });
}

void X11KeystrokeOutput::EndHold() {
  hold_ends_soon_ = false;
  holding_ = false;
  const KeyActions actions = std::exchange(held_actions_, {});
  SendNow(actions, true);
}

void X11KeystrokeOutput::ReplayUsersKeys() {
  if (users_keys_.empty()) return;
  std::vector<unsigned int> pressed;
  for (const HeldKey& key : std::exchange(users_keys_, {})) {
    const auto keycode = static_cast<int>(key.keycode);
    if (key.press && !key.own) {
      // The user's: the hook hears it now, through its grab when the key has one.
      Key(keycode, false);
      XTestFakeKeyEvent(display_, key.keycode, True, 0);
    } else if (key.press) {
      PressAfresh(keycode);
    } else {
      Key(keycode, false);
    }
    if (key.press) {
      pressed.push_back(key.keycode);
    } else {
      std::erase(pressed, key.keycode);
    }
  }
  // The release of a key pressed meanwhile went to the window while this one was held back;
  // without one of ours the key would stay down.
  for (const unsigned int keycode : pressed) Key(static_cast<int>(keycode), false);
}

}  // namespace keyloom
