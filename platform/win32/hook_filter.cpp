#include "platform/win32/hook_filter.h"

namespace keyloom {

int ReportedKeyCode(int virtual_key) {
  switch (virtual_key) {
    case 0xA0:
    case 0xA1:
      return kVkShift;
    case 0xA2:
    case 0xA3:
      return kVkControl;
    case 0xA4:
    case 0xA5:
      return kVkAlt;
    default:
      return virtual_key;
  }
}

bool HookFilter::Filter(const LowLevelKey& key, int modifiers, KeyHandler* handler) {
  if (!key.injected) state_.held.Follow(key.virtual_key, key.down);
  const bool replayed = key.extra_info == tags_.replayed;
  if (replayed || tags_.Own(key.extra_info)) state_.OwnInputArrived();
  // A modifier put back after typing arrives after the user may have let it go; pressing it
  // then would leave it logically down, so it is dropped.
  if (key.extra_info == tags_.restore && key.down) return !state_.held.Held(key.virtual_key);
  if (tags_.Own(key.extra_info)) return false;
  if (!replayed && state_.HoldsBack()) {
    state_.held_back.push_back(key);
    return true;
  }
  if (!key.down || handler == nullptr) return false;
  KeyEvent event;
  event.key_code = ReportedKeyCode(key.virtual_key);
  event.modifiers = modifiers;
  event.layout_char = key.layout_char;
  event.caps_lock = key.caps_lock;
  event.in_password_field = key.in_password_field;
  event.application = key.application;
  // The hook must answer whatever happens; a fault in the handler lets the key through.
  // A modal loop inside the handler may run the hook again for another key.
  const bool outer = state_.handling_key;
  state_.handling_key = true;
  try {
    handler->HandleKey(event);
  } catch (...) {
    event.discard = false;
  }
  state_.handling_key = outer;
  return event.discard;
}

}  // namespace keyloom
