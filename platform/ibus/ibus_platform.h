#pragma once

#include <memory>
#include <string>

#include "platform/platform.h"

namespace keyloom {

// Whether IBus runs for this session, so that the engine can be reached once the user picks it.
bool InputMethodRunning();

// The Linux keyboard side through the Keyloom input method engine (Wayland sessions, or when
// the user chose it): keys come from the engine and text goes back to it as commits, so the
// clipboard is never used; Keyloom's candidates show in the input method's list at the text
// cursor. Program start, clock and files as on X11. Its Qt parts need the QGuiApplication,
// which may be created after it. nullptr, and why in `error`, when the engine could not be
// reached safely.
std::unique_ptr<Platform> CreateIbusPlatform(std::string& error);

}  // namespace keyloom
