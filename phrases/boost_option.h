#pragma once

#include "shell/settings_store.h"
#include "shell/timer.h"
#include "shell/window.h"

namespace keyloom {

// Quiet periods after playback: short when pasting, longer while typed keys still arrive.
inline constexpr int kQuietMsBoostOn = 100;
inline constexpr int kQuietMsBoostOff = 500;

// Puts the stored Boost option (on when missing) into its check box. A stored text that is not
// an integer leaves the box as it is.
void LoadBoostOption(SettingsStore& settings, Window& window);

// Sets the quiet timer's interval from the Boost box and stores the option as "1" or "0".
void ApplyBoostOption(Window& window, Timer& quiet_timer, SettingsStore& settings);

}  // namespace keyloom
