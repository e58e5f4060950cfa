#pragma once

#include <memory>
#include <string>

#include "platform/platform.h"

namespace keyloom {

// Whether the display that DISPLAY names accepts a connection.
bool CanOpenX11Display();

// The Linux keyboard side on X11: the XInput2 hook and the XTest output on X connections of
// their own, the clipboard and program start through Qt, the locale's clock and the standard
// file system. Null, with the reason in `error`, when there is no X display or it lacks XInput
// 2.1, XTest or XKB. Its Qt parts need the QGuiApplication, which may be created after it.
std::unique_ptr<Platform> CreateX11Platform(std::string& error);

}  // namespace keyloom
