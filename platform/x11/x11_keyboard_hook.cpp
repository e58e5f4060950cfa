#include "platform/x11/x11_keyboard_hook.h"

#include <X11/XKBlib.h>
#include <X11/extensions/XInput2.h>
#include <X11/keysym.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/key_event.h"
#include "platform/keys_taken.h"
#include "platform/linux/virtual_keys.h"
#include "platform/x11/layout_characters.h"
#include "platform/x11/x11_errors.h"

namespace keyloom {
namespace {

std::vector<unsigned int> LockStates(unsigned int num_lock_mask) {
  std::vector<unsigned int> locks = {0, LockMask};
  if (num_lock_mask != 0) locks.insert(locks.end(), {num_lock_mask, LockMask | num_lock_mask});
  return locks;
}

// Every combination of the modifiers a chord may hold, and of the lock states that must not
// keep a grab from matching.
std::vector<unsigned int> GrabModifierCombinations(unsigned int num_lock_mask) {
  const unsigned int chord_modifiers[] = {ShiftMask, ControlMask, Mod1Mask};
  const std::vector<unsigned int> locks = LockStates(num_lock_mask);
  std::vector<unsigned int> combinations;
  for (unsigned int chord = 0; chord < 8; ++chord) {
    unsigned int modifiers = 0;
    for (unsigned int bit = 0; bit < 3; ++bit) {
      if (chord & (1u << bit)) modifiers |= chord_modifiers[bit];
    }
    for (const unsigned int lock : locks) combinations.push_back(modifiers | lock);
  }
  return combinations;
}

unsigned int XModifiers(int modifiers) {
  return ((modifiers & kShiftMask) ? ShiftMask : 0u) |
         ((modifiers & kCtrlMask) ? ControlMask : 0u) | ((modifiers & kAltMask) ? Mod1Mask : 0u);
}

}  // namespace

X11KeyboardHook::X11KeyboardHook(Display* display, int xi_opcode, OwnKeyPresses& own_presses,
                                 HeldPresses& held_presses, KeyInDecision& decision,
                                 const AtspiFocusWatch* focus_watch, KeysTaken* keys_taken)
    : display_(display),
      root_(DefaultRootWindow(display)),
      xi_opcode_(xi_opcode),
      keymap_(display),
      own_presses_(own_presses),
      held_presses_(held_presses),
      decision_(decision),
      focus_watch_(focus_watch),
      keys_taken_(keys_taken) {
  decision_.SetHookSide({[this](const XIRawEvent& raw, unsigned long serial) {
                           history_.Forget(serial);
                           chord_history_.Forget(serial);
                           return own_presses_.TakeIfOwn(raw.detail,
                                                         xtest_devices_.contains(raw.sourceid));
                         },
                         [this] { DrainLater(); }});
  int opcode = 0, error_base = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
  XkbQueryExtension(display_, &opcode, &xkb_event_base_, &error_base, &major, &minor);
  num_lock_mask_ = XkbKeysymToModifiers(display_, XK_Num_Lock);
  FindUsGroups();
}

X11KeyboardHook::~X11KeyboardHook() {
  for (const int keycode : grabbed_) XUngrabKey(display_, keycode, AnyModifier, root_);
  for (const auto& [keycode, masks] : chord_grabs_) {
    XUngrabKey(display_, keycode, AnyModifier, root_);
  }
  XFlush(display_);
}

bool X11KeyboardHook::Start(KeyHandler& handler) {
  X11ErrorTrap trap(display_);
  std::array<unsigned char, XIMaskLen(XI_LASTEVENT)> bits{};
  XISetMask(bits.data(), XI_RawKeyPress);
  XIEventMask mask{XIAllMasterDevices, static_cast<int>(bits.size()), bits.data()};
  XISelectEvents(display_, root_, &mask, 1);
  const unsigned int xkb_details = XkbModifierStateMask | XkbGroupStateMask;
  XkbSelectEventDetails(display_, XkbUseCoreKbd, XkbStateNotify, xkb_details, xkb_details);
  XkbSelectEvents(display_, XkbUseCoreKbd, XkbNewKeyboardNotifyMask | XkbMapNotifyMask,
                  XkbNewKeyboardNotifyMask | XkbMapNotifyMask);
  int device_count = 0;
  XIDeviceInfo* devices = XIQueryDevice(display_, XIAllDevices, &device_count);
  for (int i = 0; i < device_count; ++i) {
    if (devices[i].use == XISlaveKeyboard && std::strstr(devices[i].name, "XTEST") != nullptr) {
      xtest_devices_.insert(devices[i].deviceid);
    }
  }
  XIFreeDeviceInfo(devices);
  XkbStateRec state{};
  if (XkbGetState(display_, XkbUseCoreKbd, &state) == Success) {
    xkb_mods_ = state.mods;
    xkb_group_ = state.group;
  }
  if (trap.Sync() > 0) return false;

  handler_ = &handler;
  if (!events_) {
    events_ = std::make_unique<QtEventSource>(ConnectionNumber(display_), [this] { Drain(); });
  }
  UpdateGrabs();
  DrainLater();
  return true;
}

void X11KeyboardHook::SetWithholdableKeys(std::span<const int> key_codes) {
  withholdable_ = std::set<int>(key_codes.begin(), key_codes.end());
  // Grabs wait for Start: until a handler is there, a grab could only freeze the keyboard.
  if (handler_ != nullptr) UpdateGrabs();
}

void X11KeyboardHook::SetWithholdableChords(std::span<const KeyChord> chords) {
  withholdable_chords_.assign(chords.begin(), chords.end());
  if (handler_ != nullptr) UpdateGrabs();
}

void X11KeyboardHook::UpdateGrabs() {
  std::set<int> wanted;
  for (int keycode = keymap_.min_keycode(); keycode <= keymap_.max_keycode(); ++keycode) {
    if (withholdable_.contains(VirtualKey(keycode, 0))) wanted.insert(keycode);
  }
  const bool lets_taken_key_go = std::ranges::any_of(grabbed_, [&](int keycode) {
    return !wanted.contains(keycode) && IsTakenKey(VirtualKey(keycode, 0));
  });
  keeps_grabs_for_taker_ = false;
  if (lets_taken_key_go) {
    // Nobody else is served from the question to the release: the other program cannot take
    // the keys and try to grab them in between.
    XGrabServer(display_);
    XSync(display_, False);
    KeepGrabsForTaker(wanted);
  }
  if (wanted == grabbed_) {
    if (lets_taken_key_go) {
      XUngrabServer(display_);
      XFlush(display_);
    }
    UpdateChordGrabs(wanted);
    return;
  }

  X11ErrorTrap trap(display_);
  for (const int keycode : grabbed_) {
    if (wanted.contains(keycode)) continue;
    history_.Released(keycode, NextRequest(display_));
    XUngrabKey(display_, keycode, AnyModifier, root_);
  }
  if (lets_taken_key_go) XUngrabServer(display_);
  // Ungrabbing a whole key ends its chords' grabs too, so those are made after it.
  std::erase_if(grabbed_, [&wanted](int keycode) { return !wanted.contains(keycode); });
  UpdateChordGrabs(wanted);
  struct Attempt {
    int keycode;
    std::vector<unsigned long> serials;
  };
  // One grab for all modifier states first: the server compares every key press on the
  // desktop with each passive grab of the root window, and a grab for each chord and lock
  // state (384 for Quipcast's F-keys) slowed all typing, the programs' own included. Only a key
  // of which another client holds some chord is grabbed chord by chord.
  std::vector<Attempt> whole_keys;
  for (const int keycode : wanted) {
    if (grabbed_.contains(keycode)) continue;
    // Raw events count as grabbed from the first request on: a key that might come through
    // the grab is better missed than handled twice.
    history_.Grabbed(keycode, NextRequest(display_));
    whole_keys.push_back(Attempt{keycode, {NextRequest(display_)}});
    XGrabKey(display_, keycode, AnyModifier, root_, False, GrabModeAsync, GrabModeSync);
  }
  trap.Sync();
  std::vector<Attempt> attempts;
  const std::vector<unsigned int> combinations = GrabModifierCombinations(num_lock_mask_);
  for (const Attempt& whole_key : whole_keys) {
    if (!trap.Failed(whole_key.serials.front())) continue;
    Attempt& attempt = attempts.emplace_back(Attempt{whole_key.keycode, {}});
    for (const unsigned int modifiers : combinations) {
      attempt.serials.push_back(NextRequest(display_));
      XGrabKey(display_, whole_key.keycode, modifiers, root_, False, GrabModeAsync, GrabModeSync);
    }
  }
  if (!attempts.empty()) trap.Sync();
  grabbed_ = wanted;
  for (const Attempt& attempt : attempts) {
    bool any = false;
    for (const unsigned long serial : attempt.serials) any |= !trap.Failed(serial);
    // Another client holds every chord of this key: it is only observed, from its raw events.
    if (!any) {
      history_.Released(attempt.keycode, NextRequest(display_));
      grabbed_.erase(attempt.keycode);
    }
  }
  // The synchronous round trip may have read events that the socket will not announce again.
  DrainLater();
}

void X11KeyboardHook::KeepGrabsForTaker(std::set<int>& wanted) {
  // The other program's grab of such a key failed while this hook held it, and it tries again
  // only at its next key: let go now and that key would reach the window.
  if (keys_taken_ == nullptr || !keys_taken_->TakenElsewhere()) return;
  for (const int keycode : grabbed_) {
    if (IsTakenKey(VirtualKey(keycode, 0)) && wanted.insert(keycode).second) {
      keeps_grabs_for_taker_ = true;
    }
  }
}

void X11KeyboardHook::UpdateChordGrabs(const std::set<int>& whole_keys) {
  std::map<int, std::set<unsigned int>> wanted;
  for (int keycode = keymap_.min_keycode(); keycode <= keymap_.max_keycode(); ++keycode) {
    if (whole_keys.contains(keycode)) continue;
    const int key_code = VirtualKey(keycode, 0);
    for (const KeyChord& chord : withholdable_chords_) {
      if (chord.key_code == key_code) wanted[keycode].insert(XModifiers(chord.modifiers));
    }
  }
  if (wanted == chord_grabs_) return;

  X11ErrorTrap trap(display_);
  const std::vector<unsigned int> locks = LockStates(num_lock_mask_);
  for (auto it = chord_grabs_.begin(); it != chord_grabs_.end();) {
    const auto still = wanted.find(it->first);
    if (still != wanted.end() && still->second == it->second) {
      ++it;
      continue;
    }
    chord_history_.Released(it->first, NextRequest(display_));
    // A key grabbed whole now has lost these grabs with the whole key's.
    if (!grabbed_.contains(it->first)) {
      for (const unsigned int mask : it->second) {
        for (const unsigned int lock : locks) XUngrabKey(display_, it->first, mask | lock, root_);
      }
    }
    it = chord_grabs_.erase(it);
  }
  std::map<int, std::vector<std::pair<unsigned int, unsigned long>>> attempts;  // mask, serial
  for (const auto& [keycode, masks] : wanted) {
    if (chord_grabs_.contains(keycode)) continue;
    chord_history_.Grabbed(keycode, NextRequest(display_));
    for (const unsigned int mask : masks) {
      for (const unsigned int lock : locks) {
        attempts[keycode].emplace_back(mask, NextRequest(display_));
        XGrabKey(display_, keycode, mask | lock, root_, False, GrabModeAsync, GrabModeSync);
      }
    }
  }
  trap.Sync();
  for (const auto& [keycode, tries] : attempts) {
    std::set<unsigned int> held;
    for (const auto& [mask, serial] : tries) {
      if (!trap.Failed(serial)) held.insert(mask);
    }
    // Another client holds the chord: it is only observed, from its raw events.
    if (held.empty()) {
      chord_history_.Released(keycode, NextRequest(display_));
    } else {
      chord_grabs_[keycode] = std::move(held);
    }
  }
  DrainLater();
}

bool X11KeyboardHook::ComesThroughChordGrab(int keycode, unsigned long serial) const {
  const auto found = chord_grabs_.find(keycode);
  if (found == chord_grabs_.end() || !chord_history_.WasGrabbed(keycode, serial)) return false;
  // The tracked state is the one the key meets (see HandleRawPress).
  return found->second.contains(xkb_mods_ & ~static_cast<unsigned int>(LockMask | num_lock_mask_));
}

void X11KeyboardHook::DrainLater() {
  if (events_) events_->CallSoon([this] { Drain(); });
}

void X11KeyboardHook::Drain() {
  const bool nested = draining_;
  // A handler is running: only while it waits in a modal dialog may events be read meanwhile,
  // none of them reported.
  if (nested && !ModalDialogOpen()) return;
  draining_ = true;
  while (XPending(display_) > 0) {
    XEvent event;
    XNextEvent(display_, &event);
    HandleEvent(event);
  }
  draining_ = nested;
}

void X11KeyboardHook::HandleEvent(XEvent& event) {
  if (event.type == GenericEvent && event.xcookie.extension == xi_opcode_) {
    if (XGetEventData(display_, &event.xcookie)) {
      if (event.xcookie.evtype == XI_RawKeyPress) {
        const auto* raw = static_cast<const XIRawEvent*>(event.xcookie.data);
        HandleRawPress(raw->detail, raw->sourceid, event.xcookie.serial, raw->time);
      }
      XFreeEventData(display_, &event.xcookie);
    }
  } else if (event.type == KeyPress) {
    HandleGrabbedPress(event.xkey);
  } else if (event.type == xkb_event_base_) {
    const auto& xkb = reinterpret_cast<const XkbEvent&>(event);
    if (xkb.any.xkb_type == XkbStateNotify) {
      xkb_mods_ = xkb.state.mods;
      xkb_group_ = xkb.state.group;
    } else if (xkb.any.xkb_type == XkbMapNotify || xkb.any.xkb_type == XkbNewKeyboardNotify) {
      KeymapChanged();
    }
  } else if (event.type == MappingNotify) {
    XRefreshKeyboardMapping(&event.xmapping);
    KeymapChanged();
  }
}

void X11KeyboardHook::KeymapChanged() {
  keymap_.Reload();
  num_lock_mask_ = XkbKeysymToModifiers(display_, XK_Num_Lock);
  FindUsGroups();
  if (handler_ != nullptr) UpdateGrabs();
}

void X11KeyboardHook::FindUsGroups() {
  std::map<std::string_view, int> keycodes;
  for (int keycode = keymap_.min_keycode(); keycode <= keymap_.max_keycode(); ++keycode) {
    keycodes.emplace(keymap_.KeyName(keycode), keycode);
  }
  for (int group = 0; group < XkbNumKbdGroups; ++group) {
    us_groups_[static_cast<std::size_t>(group)] =
        IsUsGroup([&](std::string_view name, int level) -> unsigned long {
          const auto it = keycodes.find(name);
          return it == keycodes.end() ? NoSymbol : keymap_.Symbol(it->second, group, level);
        });
  }
}

void X11KeyboardHook::HandleRawPress(int keycode, int source_device, unsigned long serial,
                                     Time time) {
  history_.Forget(serial);
  chord_history_.Forget(serial);
  const bool own = own_presses_.TakeIfOwn(keycode, xtest_devices_.contains(source_device));
  // Held by the output: heard when it is typed again.
  if (!own && held_presses_.TakeIfHeld(keycode, time)) return;
  if (history_.WasGrabbed(keycode, serial) || ComesThroughChordGrab(keycode, serial)) {
    // The grab brings the key next, without telling where it came from.
    if (own) own_grabbed_presses_.push_back(keycode);
    return;
  }
  if (own) return;
  // The raw event comes before the server applies the key itself, so the state tracked from
  // the event stream is the one the key meets.
  Report(keycode, xkb_mods_);
  if (keeps_grabs_for_taker_) UpdateGrabs();
}

void X11KeyboardHook::HandleGrabbedPress(const XKeyEvent& event) {
  const bool own = !own_grabbed_presses_.empty() &&
                   own_grabbed_presses_.front() == static_cast<int>(event.keycode);
  if (own) own_grabbed_presses_.pop_front();
  if (own || ModalDialogOpen()) {
    // The program's own key, or nobody hears keys now (see Report): the key goes on at once.
    XAllowEvents(display_, ReplayKeyboard, event.time);
    XFlush(display_);
    return;
  }
  decision_.Froze(event.time);
  // Runs only if the handler spins an event loop before it returns (a modal dialog): the
  // keyboard must not stay frozen meanwhile.
  events_->CallSoon([this] { decision_.Thaw(); });
  const bool withheld = Report(static_cast<int>(event.keycode), event.state);
  // A key the other program has taken is its to hear (from the raw event), not the window's.
  decision_.Settle(
      event.keycode,
      withheld || (IsTakenKey(VirtualKey(static_cast<int>(event.keycode), event.state)) &&
                   keys_taken_ != nullptr && keys_taken_->TakenElsewhere()));
  if (keeps_grabs_for_taker_) UpdateGrabs();
}

bool X11KeyboardHook::Report(int keycode, unsigned int state) {
  // While a modal dialog waits for the user, the handler that opened it has not returned.
  if (handler_ == nullptr || ModalDialogOpen()) return false;
  KeyEvent key;
  key.key_code = VirtualKey(keycode, state);
  key.modifiers = ModifierMaskFromState(state);
  key.caps_lock = CapsLockFromState(state);
  key.layout_char = LayoutCharacter(keycode, state);
  key.in_password_field = focus_watch_ != nullptr && focus_watch_->InPasswordField();
  key.in_terminal = focus_watch_ != nullptr && focus_watch_->InTerminal();
  key.application = focused_application_.Current();
  decision_.Begin();
  try {
    handler_->HandleKey(key);
  } catch (...) {
    // The keyboard must never be blocked by a failing handler: the key goes on.
    key.discard = false;
  }
  decision_.End();
  return key.discard;
}

char32_t X11KeyboardHook::LayoutCharacter(int keycode, unsigned int state) const {
  if (us_groups_[static_cast<std::size_t>(xkb_group_) % XkbNumKbdGroups]) return 0;
  // Caps Lock, Ctrl and Alt change no letter as far as words go.
  const unsigned int level_mods =
      state & ~static_cast<unsigned int>(LockMask | ControlMask | Mod1Mask);
  return KeysymCharacter(keymap_.SymbolFor(keycode, xkb_group_, level_mods));
}

int X11KeyboardHook::VirtualKey(int keycode, unsigned int state) const {
  const bool num_lock = (state & num_lock_mask_) != 0;
  const auto key_in_group = [&](int group) {
    return KeyDescription{keymap_.Symbol(keycode, group, 0), keymap_.Symbol(keycode, group, 1),
                          keymap_.KeyName(keycode)};
  };
  const int code = VirtualKeyForKey(key_in_group(xkb_group_), num_lock);
  if (code != 0 || xkb_group_ == 0) return code;
  // A key that the active group leaves empty: the first group names it.
  return VirtualKeyForKey(key_in_group(0), num_lock);
}

}  // namespace keyloom
