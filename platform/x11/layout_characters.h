#pragma once

#include <functional>
#include <string_view>

namespace keyloom {

// Whether a group of the keyboard map is the US layout: `symbol` gives the keysym of a key (by
// its XKB name, "AC01") at a level (0 unshifted, 1 shifted, 2 AltGr), and every key that types
// on a US keyboard must give the US keysyms, and nothing else with AltGr.
bool IsUsGroup(const std::function<unsigned long(std::string_view key_name, int level)>& symbol);

// The character that a keysym types; 0 for keysyms that type none (named keys, dead keys).
char32_t KeysymCharacter(unsigned long keysym);

}  // namespace keyloom
