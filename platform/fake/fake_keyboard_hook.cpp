#include "platform/fake/fake_keyboard_hook.h"

namespace keyloom {

bool FakeKeyboardHook::Start(KeyHandler& handler) {
  if (start_fails_) return false;
  handler_ = &handler;
  return true;
}

void FakeKeyboardHook::SetWithholdableKeys(std::span<const int> key_codes) {
  withholdable_keys_.assign(key_codes.begin(), key_codes.end());
}

bool FakeKeyboardHook::Press(int key_code, int modifiers, char32_t layout_char) {
  if (handler_ == nullptr) return false;
  KeyEvent event;
  event.key_code = key_code;
  event.modifiers = modifiers;
  event.layout_char = layout_char;
  event.caps_lock = caps_lock_;
  event.in_password_field = in_password_field_;
  event.in_private_field = in_private_field_;
  event.in_terminal = in_terminal_;
  event.application = application_;
  handler_->HandleKey(event);
  return event.discard;
}

}  // namespace keyloom
