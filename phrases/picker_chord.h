#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/keyboard_hook.h"
#include "shell/settings_store.h"

namespace keyloom {

// The chord that opens the phrase picker, kept in the settings store's Options section as its
// name ("Ctrl+Shift+Space"); an empty name turns the picker off.
inline constexpr std::string_view kPickerChordSetting = "PhrasePicker";
inline constexpr std::string_view kDefaultPickerChord = "Ctrl+Shift+Space";

struct ChordReading {
  std::optional<KeyChord> chord;  // nullopt for none, or when `problem` is said
  std::string problem;            // why the name is no chord the programs can use
};

// Reads "Ctrl+Shift+Space", "Alt+F5", "Ctrl+Alt+P" (any case, the key last). A chord holds Ctrl
// or Alt, so that typing stays as it was, and is none of Quipcast's own launch chords or
// Keyloom's pick keys. An empty name reads as no chord and no problem.
ChordReading ReadChordName(std::string_view name);
// The name ReadChordName reads back: modifiers in the order Ctrl, Shift, Alt.
std::string ChordName(const KeyChord& chord);

// The stored chord, the default when none is stored; nullopt when the user turned it off, and
// for a stored name that is no chord.
std::optional<KeyChord> LoadPickerChord(SettingsStore& settings);

}  // namespace keyloom
