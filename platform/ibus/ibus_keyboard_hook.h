#pragma once

#include <span>

#include "platform/ibus/engine_link.h"
#include "platform/keyboard_hook.h"

namespace keyloom {

// The keyboard hook through the input method engine: the engine asks about every key press of
// the focused field, so every key can be withheld and nothing needs grabbing.
class IbusKeyboardHook final : public KeyboardHook {
 public:
  explicit IbusKeyboardHook(EngineLink& link) : link_(link) {}

  bool Start(KeyHandler& handler) override;
  void SetWithholdableKeys(std::span<const int> /*key_codes*/) override {}

 private:
  bool Answer(const KeyReport& key);

  EngineLink& link_;
  KeyHandler* handler_ = nullptr;
};

}  // namespace keyloom
