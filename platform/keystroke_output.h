#pragma once

#include <span>
#include <string_view>

#include "platform/key_action.h"

namespace keyloom {

// Synthetic keystrokes into whatever window has the keyboard focus.
class KeystrokeOutput {
 public:
  virtual ~KeystrokeOutput() = default;
  // Queues the actions in order without waiting for them to be processed. Modifiers the user
  // still holds do not change what arrives. False when some action could not be typed.
  virtual bool Send(std::span<const KeyAction> actions) = 0;
  // Called while a key is handled: what the program types for it comes later, after the user
  // has filled in a form (an input method takes output outside a key only then); false once it
  // has come or will not.
  virtual void SendsLater(bool /*later*/) {}
};

// Parses `key_string` (see key_string.h) and sends it.
bool TypeKeyString(KeystrokeOutput& output, std::string_view key_string);

}  // namespace keyloom
