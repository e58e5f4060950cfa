#pragma once

#include <array>
#include <string_view>

#include "shell/menu_options.h"
#include "shell/settings_store.h"
#include "shell/window.h"

namespace keyloom {

// Keyloom's options beyond the completion panel: checked items of the Options menu, each kept
// in the settings store as "1" or "0" under its item's name.
inline constexpr std::string_view kMostLikelyFirstItem = "MostLikelyFirst";
inline constexpr std::string_view kLearnWordsItem = "LearnWords";
inline constexpr std::string_view kOfferListWordsItem = "OfferListWords";
inline constexpr std::string_view kSuggestionsAtCaretItem = "SuggestionsAtCaret";
inline constexpr std::string_view kPredictWordsItem = "PredictWords";
inline constexpr std::string_view kSpaceAfterCompletionItem = "SpaceAfterCompletion";
inline constexpr std::string_view kLearnInTerminalsItem = "LearnInTerminals";

// Off when missing, but for the space after a completion, which Predict Words adds unless the
// user turns it off.
inline constexpr std::array<MenuOption, 7> kCompletionOptions = {{
    {kMostLikelyFirstItem},
    {kLearnWordsItem},
    {kLearnInTerminalsItem},
    {kOfferListWordsItem},
    {kSuggestionsAtCaretItem},
    {kPredictWordsItem},
    {kSpaceAfterCompletionItem, true},
}};

// The chords that take one of the first nine candidates while Predict Words is on: Ctrl or Alt
// with a digit, a menu item each, kept as the settings value PickKeys ("Ctrl", "Alt").
inline constexpr std::string_view kPickWithCtrlItem = "PickWithCtrl";
inline constexpr std::string_view kPickWithAltItem = "PickWithAlt";
inline constexpr std::string_view kPickKeysSetting = "PickKeys";

// The lookup threshold while Predict Words is on, which the threshold field shows then.
inline constexpr std::string_view kPredictThresholdSetting = "PredictThreshold";
inline constexpr std::string_view kDefaultPredictThreshold = "1";

// The stored options into their menu items.
void LoadCompletionOptions(SettingsStore& settings, Window& window);
// Flips the option `id`, or chooses the pick keys of `id`, and stores the choice; false when
// `id` is neither.
bool ToggleCompletionOption(std::string_view id, SettingsStore& settings, Window& window);
// The modifier mask of the chosen pick keys.
int PickModifiers(const Window& window);

}  // namespace keyloom
