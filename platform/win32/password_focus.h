#pragma once

#include "platform/win32/accessible_focus_watch.h"

namespace keyloom {

// Whether the keyboard focus of the foreground window is in a password field: an Edit control
// with ES_PASSWORD, or a window whose focused object `watch` found protected. Asks nothing of
// the window's thread, so it never waits on it.
bool FocusInPasswordField(const AccessibleFocusWatch& watch);

}  // namespace keyloom
