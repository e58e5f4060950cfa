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
  KeyEvent event{key_code,           modifiers,         false,        layout_char,
                 in_password_field_, in_private_field_, in_terminal_, application_};
  handler_->HandleKey(event);
  return event.discard;
}

}  // namespace keyloom
