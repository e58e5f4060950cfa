#pragma once

// CreatePlatform (platform/platform.h) of this backend gives the Linux keyboard side: the
// XInput2 hook and the XTest output on X connections of their own, the clipboard and program
// start through Qt, the locale's clock and the standard file system. It fails when there is no
// X display or it lacks XInput 2.1, XTest or XKB. Its Qt parts need the QGuiApplication, which
// may be created after it.

namespace keyloom {

// Whether the display that DISPLAY names accepts a connection.
bool CanOpenX11Display();

}  // namespace keyloom
