#pragma once

#include <span>
#include <string>
#include <utility>
#include <vector>

#include "platform/keyboard_hook.h"

namespace keyloom {

// A keyboard hook driven by the test: Press plays one key press to the started handler.
class FakeKeyboardHook final : public KeyboardHook {
 public:
  bool Start(KeyHandler& handler) override;
  void SetWithholdableKeys(std::span<const int> key_codes) override;
  void SetWithholdableChords(std::span<const KeyChord> chords) override {
    withholdable_chords_.assign(chords.begin(), chords.end());
  }

  // Builds the key event, runs the handler and returns whether it withheld the key. Without a
  // started handler nobody sees the key and it is not withheld. `layout_char` is what a layout
  // other than US types with the key.
  bool Press(int key_code, int modifiers = 0, char32_t layout_char = 0);

  // Every following key goes to a password field, as the backend would tell.
  void set_focus_in_password_field(bool in_password) { in_password_field_ = in_password; }
  // ... to a field marked private, or a terminal, as the backend would tell.
  void set_focus_in_private_field(bool in_private) { in_private_field_ = in_private; }
  void set_focus_in_terminal(bool in_terminal) { in_terminal_ = in_terminal; }
  // Caps Lock is on for every following key.
  void set_caps_lock(bool on) { caps_lock_ = on; }
  // Every following key goes to this application.
  void set_focused_application(std::string application) { application_ = std::move(application); }

  // Makes the next Start calls fail (no handler is stored then).
  void set_start_fails(bool fails) { start_fails_ = fails; }
  bool started() const { return handler_ != nullptr; }
  // The key codes of the latest SetWithholdableKeys call.
  const std::vector<int>& withholdable_keys() const { return withholdable_keys_; }
  const std::vector<KeyChord>& withholdable_chords() const { return withholdable_chords_; }

 private:
  KeyHandler* handler_ = nullptr;
  bool start_fails_ = false;
  bool in_password_field_ = false;
  bool in_private_field_ = false;
  bool in_terminal_ = false;
  bool caps_lock_ = false;
  std::string application_;
  std::vector<KeyChord> withholdable_chords_;
  std::vector<int> withholdable_keys_;
};

}  // namespace keyloom
