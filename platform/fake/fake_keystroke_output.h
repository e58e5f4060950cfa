#pragma once

#include <span>
#include <string>

#include "platform/keystroke_output.h"

namespace keyloom {

// Keystroke output that records every action sent, in order.
class FakeKeystrokeOutput final : public KeystrokeOutput {
 public:
  // Records the actions and returns true; when told to fail, records nothing and returns false.
  bool Send(std::span<const KeyAction> actions) override;

  void set_fails(bool fails) { fails_ = fails; }
  const KeyActions& actions() const { return actions_; }
  // How many Send calls succeeded.
  int send_count() const { return send_count_; }
  void Clear();

  // What was typed, for assertions. Each action renders as its modifiers, "+" Shift, "^" Ctrl,
  // "%" Alt in that order, followed by the key: a character as itself (UTF-8), a named key as
  // its canonical name in braces (see key_names.h). Examples: "ab" for two plain letters,
  // "{BACKSPACE}", "{ENTER}", "{TAB}", "^v" for Ctrl+V, "+{INSERT}", "^%{DELETE}" for
  // Ctrl+Alt+Delete. Special characters typed as characters ("+", "{") appear as themselves, so the
  // rendering is not itself a key string.
  std::string TypedText() const;

 private:
  bool fails_ = false;
  int send_count_ = 0;
  KeyActions actions_;
};

// The rendering of one action used by TypedText.
std::string RenderKeyAction(const KeyAction& action);

}  // namespace keyloom
