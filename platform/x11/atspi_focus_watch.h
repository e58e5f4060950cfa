#pragma once

#include <memory>
#include <optional>

#include "platform/caret_locator.h"

namespace keyloom {

// Follows the focus events of the accessibility bus (AT-SPI) to tell whether the keyboard focus
// is in a password field and where the focused text's caret is. Applications that publish
// nothing there (and sessions without the bus) leave it telling "no" and "nowhere". The events
// arrive through the GLib main loop, which Qt's event loop runs.
class AtspiFocusWatch {
 public:
  // nullptr when the session has no bus to listen on.
  static std::unique_ptr<AtspiFocusWatch> Start();
  ~AtspiFocusWatch();
  AtspiFocusWatch(const AtspiFocusWatch&) = delete;
  AtspiFocusWatch& operator=(const AtspiFocusWatch&) = delete;

  bool InPasswordField() const { return in_password_field_; }
  bool InTerminal() const { return in_terminal_; }
  // The caret of the focused text on the screen, asked of its application (a round trip on
  // the bus). nullopt when the focused accessible has no text or has lost the focus since.
  std::optional<ScreenRect> CaretRect() const;

  // The roles of a focused accessible that matter here.
  enum class Role { kOther, kPasswordText, kTerminal };
  // One focus event of `source` (an AtspiAccessible): `focused` says whether it gained or lost
  // the focus.
  void OnFocusEvent(void* source, bool focused, Role role);

 private:
  AtspiFocusWatch() = default;
  void SetFocused(void* source);

  void* listener_ = nullptr;  // the AtspiEventListener
  void* focused_ = nullptr;   // the AtspiAccessible that has the focus, referenced
  bool in_password_field_ = false;
  bool in_terminal_ = false;
};

}  // namespace keyloom
