#pragma once

#include <span>

#include "platform/keystroke_output.h"
#include "platform/win32/held_modifiers.h"
#include "platform/win32/injection_tags.h"

namespace keyloom {

// Keystrokes through SendInput, every input tagged as this program's own (see PlanKeyInputs).
class Win32KeystrokeOutput final : public KeystrokeOutput {
 public:
  Win32KeystrokeOutput(const HeldModifiers& held, InjectionTags tags) : held_(held), tags_(tags) {}

  bool Send(std::span<const KeyAction> actions) override;

 private:
  const HeldModifiers& held_;
  InjectionTags tags_;
};

}  // namespace keyloom
