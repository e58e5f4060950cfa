#pragma once

#include <array>
#include <string_view>

#include "shell/menu_options.h"

namespace keyloom {

// The ids of the main window's controls and commands that Quipcast's own behaviour uses.
inline constexpr std::string_view kLaunchKeysField = "Text10";
inline constexpr std::string_view kSendStringField = "Text7";
inline constexpr std::string_view kSpaceOption = "Option1";
inline constexpr std::string_view kTabOption = "Option2";
inline constexpr std::string_view kSendEnterCheck = "Check2";
inline constexpr std::string_view kBoostCheck = "Check8";
inline constexpr std::string_view kEntryList = "List1";
inline constexpr std::string_view kAddStringButton = "Command8";
inline constexpr std::string_view kClearAllButton = "Command3";
inline constexpr std::string_view kSamplesButton = "Command2";
inline constexpr std::string_view kLoadSamplesMenu = "LoadSamples";
// The applications an entry applies to: everywhere, only in those named, or not in them.
inline constexpr std::string_view kEverywhereOption = "Option3";
inline constexpr std::string_view kOnlyInOption = "Option4";
inline constexpr std::string_view kNotInOption = "Option5";
inline constexpr std::string_view kApplicationsField = "Text11";

// Quipcast's options beyond the original ones, off until the user turns them on.
inline constexpr std::string_view kMatchLaunchCaseItem = "MatchLaunchCase";
inline constexpr std::string_view kBackspaceUndoesItem = "BackspaceUndoesLaunch";
// Opens the window where the user names the phrase picker's chord.
inline constexpr std::string_view kPhrasePickerItem = "PhrasePicker";
inline constexpr std::array<MenuOption, 2> kQuipcastOptions = {{
    {kMatchLaunchCaseItem},
    {kBackspaceUndoesItem},
}};

}  // namespace keyloom
