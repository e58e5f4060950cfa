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
                                       Neighbours neighbours)
    : display_(display),
      own_presses_(own_presses),
      neighbours_(std::move(neighbours)),
      keymap_(display) {
  KeymapChanged();
}

X11KeystrokeOutput::~X11KeystrokeOutput() {
  // The borrowed keycodes go back to having no symbols.
  for (const ScratchKeycodes::Binding& binding : scratch_.Bindings()) {
    KeySym none = NoSymbol;
    XChangeKeyboardMapping(display_, binding.keycode, 1, &none, 1);
  }
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

  // Spare keycodes: those without symbols, and those that still hold a binding of ours.
  std::vector<int> spare = keymap_.EmptyKeycodes();
  for (const ScratchKeycodes::Binding& binding : scratch_.Bindings()) {
    if (keymap_.Symbol(binding.keycode, 0, 0) == binding.keysym) spare.push_back(binding.keycode);
  }
  scratch_.SetSpareKeycodes(spare);
}

void X11KeystrokeOutput::ReadMappingChanges() {
  bool changed = false;
  while (XPending(display_) > 0) {
    XEvent event;
    XNextEvent(display_, &event);
    if (event.type == MappingNotify) {
      XRefreshKeyboardMapping(&event.xmapping);
      changed = true;
    }
  }
  if (changed) KeymapChanged();
}

std::optional<X11KeystrokeOutput::Stroke> X11KeystrokeOutput::Resolve(const KeyAction& action,
                                                                      int group,
                                                                      unsigned int locked_mods) {
  const KeySym keysym = action.kind == KeyAction::Kind::kNamedKey
                            ? KeysymForNamedKey(action.key)
                            : KeysymForCharacter(action.character);
  if (keysym == NoSymbol) return std::nullopt;
  if (const std::optional<int> bound = scratch_.Find(keysym)) {
    return Stroke{*bound, false, action.modifiers};
  }
  const auto skip_spare = [this](int keycode) { return scratch_.IsSpare(keycode); };
  if (action.kind == KeyAction::Kind::kCharacter && action.modifiers != 0) {
    // A shortcut: applications match its key by the key's first level, and the chord goes out
    // with the locks cleared (see Send), so Shift is held exactly when the character needs it.
    if (const auto key = keymap_.FindAtFirstLevel(keysym, group, skip_spare)) {
      return Stroke{*key, false, action.modifiers};
    }
    KeySym lower = NoSymbol, upper = NoSymbol;
    XConvertCase(keysym, &lower, &upper);
    if (keysym == upper && lower != upper) {
      if (const auto key = keymap_.FindAtFirstLevel(lower, group, skip_spare)) {
        return Stroke{*key, true, action.modifiers};
      }
    }
    locked_mods = 0;
  }
  const auto position = keymap_.Find(keysym, group, locked_mods, skip_spare);
  if (position) return Stroke{position->keycode, position->shift, action.modifiers};
  const std::optional<ScratchKeycodes::Slot> slot = scratch_.Assign(keysym);
  if (!slot) return std::nullopt;
  if (slot->needs_binding) {
    // Both levels carry the keysym, so that neither Shift nor Caps Lock changes it.
    std::array<KeySym, 2> keysyms = {keysym, keysym};
    XChangeKeyboardMapping(display_, slot->keycode, 2, keysyms.data(), 1);
  }
  return Stroke{slot->keycode, false, action.modifiers};
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
  Key(stroke.keycode, true);
  Key(stroke.keycode, false);
  if (shift) Key(shift_keycode_, false);
  if (alt) Key(alt_keycode_, false);
  if (control) Key(control_keycode_, false);
  if (clear_locks) XkbLockModifiers(display_, XkbUseCoreKbd, locked_mods, locked_mods);
}

bool X11KeystrokeOutput::Send(std::span<const KeyAction> actions) {
  if (neighbours_.before_typing) neighbours_.before_typing();
  X11ErrorTrap trap(display_);
  ReadMappingChanges();
  XkbStateRec state{};
  XkbGetState(display_, XkbUseCoreKbd, &state);

  scratch_.BeginRound();
  bool all_typed = true;
  std::vector<Stroke> strokes;
  for (const KeyAction& action : actions) {
    if (const std::optional<Stroke> stroke = Resolve(action, state.group, state.locked_mods)) {
      strokes.push_back(*stroke);
    } else {
      all_typed = false;
    }
  }

  KeyBits down = KeysDown();
  const std::vector<int> released = ModifierKeysDown(down);
  for (const int keycode : released) Key(keycode, false);
  for (const Stroke& stroke : strokes) {
    if (KeyBitSet(down.data(), stroke.keycode)) {
      Key(stroke.keycode, false);
      down[stroke.keycode / 8] &= static_cast<char>(~(1 << (stroke.keycode % 8)));
    }
    Type(stroke, state.locked_mods);
  }
  // A modifier that the user let go of meanwhile must not come back down.
  if (!released.empty()) {
    for (const int keycode : HeldByPhysicalKeyboards(released)) Key(keycode, true);
  }
  // Sync: the keys are in the server before the caller's quiet period starts.
  const bool delivered = trap.Sync() == 0 && all_typed;
  if (neighbours_.after_paste_key && std::any_of(actions.begin(), actions.end(), IsPasteKey)) {
    neighbours_.after_paste_key();
  }
  return delivered;
}

}  // namespace keyloom
