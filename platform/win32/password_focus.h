#pragma once

namespace keyloom {

// Whether the keyboard focus of the foreground window is in a password edit control (an Edit
// control with ES_PASSWORD). Asks nothing of the window's thread, so it never waits on it.
bool FocusInPasswordField();

}  // namespace keyloom
