#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/key_action.h"

namespace keyloom {

// How the user typed the launch letters, as far as the phrase's case follows it.
enum class LaunchCase { kAsStored, kFirstCapital, kAllCapitals };

// From whether each typed launch letter was a capital (letters only, in order): every one of
// two or more letters capital gives all capitals; a capital first letter gives a capital first
// letter; anything else leaves the phrase as stored.
LaunchCase CaseOfLaunch(const std::vector<bool>& letters_capital);

// A pasted phrase in that case: its first letter upper-cased, or every letter.
std::string ApplyLaunchCase(std::string_view text, LaunchCase launch_case);
// A typed phrase in that case; characters typed with Ctrl or Alt are shortcuts and stay.
void ApplyLaunchCase(KeyActions& actions, LaunchCase launch_case);

}  // namespace keyloom
