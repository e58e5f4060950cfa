#pragma once

#include <X11/Xlib.h>

#include <string>
#include <string_view>

namespace keyloom {

// Names the application that has the keyboard focus: the class of WM_CLASS on the focused
// window or the nearest window above it that has one. One round trip per question while the
// focus stays on one window; the name is looked up once per window.
class FocusedApplication {
 public:
  explicit FocusedApplication(Display* display) : display_(display) {}
  // Empty when no window has the focus or none names its class. Valid until the next call.
  std::string_view Current();

 private:
  std::string ClassOf(Window window);

  Display* display_;
  Window window_ = None;
  std::string name_;
};

}  // namespace keyloom
