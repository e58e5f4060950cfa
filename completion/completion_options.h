#pragma once

#include <array>
#include <string_view>

#include "shell/settings_store.h"
#include "shell/window.h"

namespace keyloom {

// Keyloom's options beyond the completion panel: checked items of the Options menu, each kept
// in the settings store as "1" or "0" under its item's name, off when missing.
inline constexpr std::string_view kMostLikelyFirstItem = "MostLikelyFirst";
inline constexpr std::string_view kLearnWordsItem = "LearnWords";
inline constexpr std::string_view kOfferListWordsItem = "OfferListWords";
inline constexpr std::string_view kSuggestionsAtCaretItem = "SuggestionsAtCaret";
inline constexpr std::array<std::string_view, 4> kCompletionOptionItems = {
    kMostLikelyFirstItem, kLearnWordsItem, kOfferListWordsItem, kSuggestionsAtCaretItem};

// The stored options into their menu items.
void LoadCompletionOptions(SettingsStore& settings, Window& window);
// Flips the option `id` and stores it; false when `id` is no option.
bool ToggleCompletionOption(std::string_view id, SettingsStore& settings, Window& window);

}  // namespace keyloom
