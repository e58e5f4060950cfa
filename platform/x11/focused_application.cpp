#include "platform/x11/focused_application.h"

#include <X11/Xutil.h>

#include "platform/x11/x11_errors.h"

namespace keyloom {

std::string_view FocusedApplication::Current() {
  Window focus = None;
  int revert_to = 0;
  XGetInputFocus(display_, &focus, &revert_to);
  if (focus != window_) {
    window_ = focus;
    name_ = focus == None || focus == PointerRoot ? std::string() : ClassOf(focus);
  }
  return name_;
}

std::string FocusedApplication::ClassOf(Window window) {
  // The window may go away meanwhile: its errors are the trap's.
  X11ErrorTrap trap(display_);
  const Window root = DefaultRootWindow(display_);
  while (window != None && window != root) {
    XClassHint hint{};
    if (XGetClassHint(display_, window, &hint) != 0) {
      std::string name = hint.res_class != nullptr ? hint.res_class : "";
      if (hint.res_name != nullptr) XFree(hint.res_name);
      if (hint.res_class != nullptr) XFree(hint.res_class);
      return name;
    }
    Window tree_root = None, parent = None;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display_, window, &tree_root, &parent, &children, &count) == 0) break;
    if (children != nullptr) XFree(children);
    window = parent;
  }
  return {};
}

}  // namespace keyloom
