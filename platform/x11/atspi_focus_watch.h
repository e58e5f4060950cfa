#pragma once

#include <memory>

namespace keyloom {

// Follows the focus events of the accessibility bus (AT-SPI) to tell whether the keyboard focus
// is in a password field. Applications that publish nothing there (and sessions without the
// bus) leave it telling "no". The events arrive through the GLib main loop, which Qt's event
// loop runs.
class AtspiFocusWatch {
 public:
  // nullptr when the session has no bus to listen on.
  static std::unique_ptr<AtspiFocusWatch> Start();
  ~AtspiFocusWatch();
  AtspiFocusWatch(const AtspiFocusWatch&) = delete;
  AtspiFocusWatch& operator=(const AtspiFocusWatch&) = delete;

  bool InPasswordField() const { return in_password_field_; }
  // One focus event: `focused` says whether the accessible gained or lost the focus.
  void OnFocusEvent(bool focused, bool password_role);

 private:
  AtspiFocusWatch() = default;

  void* listener_ = nullptr;  // the AtspiEventListener
  bool in_password_field_ = false;
};

}  // namespace keyloom
