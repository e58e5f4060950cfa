#pragma once

namespace keyloom {

// What the foreground window's keyboard layout types with a key (Shift and AltGr as `modifiers`
// hold them, Caps Lock left out), for following words typed on layouts other than US; 0 on the
// US layout, for dead keys and for keys that type nothing. Never changes the keyboard state, so
// a dead key pressed before stays pending for the window.
char32_t ForegroundLayoutCharacter(int virtual_key, int modifiers);

}  // namespace keyloom
