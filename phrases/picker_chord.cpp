#include "phrases/picker_chord.h"

#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/key_event.h"
#include "platform/text.h"
#include "shell/settings.h"

namespace keyloom {
namespace {

struct ChordKey {
  std::string_view name;
  int key_code;
};

// Keys named by a word; letters, digits and F1 to F12 are read as they stand.
constexpr std::array<ChordKey, 7> kNamedKeys = {{{"Space", kVkSpace},
                                                 {"Insert", 45},
                                                 {"Delete", kVkDelete},
                                                 {"Home", 36},
                                                 {"End", 35},
                                                 {"PageUp", 33},
                                                 {"PageDown", 34}}};

bool IsFunctionKey(int key_code) { return key_code >= kVkF1 && key_code <= kVkF12; }
bool IsDigitKey(int key_code) { return key_code >= '0' && key_code <= '9'; }

std::optional<int> KeyCodeNamed(std::string_view name) {
  const std::string upper = ToUpper(name);
  if (upper.size() == 1 && ((upper[0] >= 'A' && upper[0] <= 'Z') || IsDigitKey(upper[0]))) {
    return upper[0];
  }
  if (upper.size() >= 2 && upper.size() <= 3 && upper[0] == 'F') {
    const int number = std::atoi(upper.c_str() + 1);
    if (number >= 1 && number <= 12 && std::to_string(number) == upper.substr(1)) {
      return kVkF1 + number - 1;
    }
  }
  for (const ChordKey& key : kNamedKeys) {
    if (ToUpper(key.name) == upper) return key.key_code;
  }
  return std::nullopt;
}

std::string_view KeyNameOf(int key_code) {
  for (const ChordKey& key : kNamedKeys) {
    if (key.key_code == key_code) return key.name;
  }
  return {};
}

std::optional<int> ModifierNamed(std::string_view name) {
  const std::string upper = ToUpper(name);
  if (upper == "CTRL" || upper == "CONTROL") return kCtrlMask;
  if (upper == "SHIFT") return kShiftMask;
  if (upper == "ALT") return kAltMask;
  return std::nullopt;
}

// Quipcast launches entries with F1 to F12 alone or with Shift, Ctrl, Ctrl+Shift or Alt.
bool IsLaunchChord(const KeyChord& chord) {
  const int m = chord.modifiers;
  return IsFunctionKey(chord.key_code) && (m == 0 || m == kShiftMask || m == kCtrlMask ||
                                           m == (kCtrlMask | kShiftMask) || m == kAltMask);
}

}  // namespace

ChordReading ReadChordName(std::string_view name) {
  const std::vector<std::string> parts = SplitTrimmed(name, "+");
  if (parts.empty()) return {};
  KeyChord chord;
  for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
    const std::optional<int> modifier = ModifierNamed(parts[i]);
    if (!modifier) return {std::nullopt, "\"" + parts[i] + "\" is not Ctrl, Shift or Alt."};
    chord.modifiers |= *modifier;
  }
  const std::optional<int> key_code = KeyCodeNamed(parts.back());
  if (!key_code) return {std::nullopt, "\"" + parts.back() + "\" names no key of a chord."};
  chord.key_code = *key_code;
  if ((chord.modifiers & (kCtrlMask | kAltMask)) == 0 && !IsFunctionKey(chord.key_code)) {
    return {std::nullopt, "A chord needs Ctrl or Alt, so that typing goes on as before."};
  }
  if (IsLaunchChord(chord)) {
    return {std::nullopt, "Quipcast's entries are launched with this chord."};
  }
  if (IsDigitKey(chord.key_code) && (chord.modifiers == kCtrlMask || chord.modifiers == kAltMask)) {
    return {std::nullopt, "Keyloom picks its candidates with this chord."};
  }
  return {chord, ""};
}

std::string ChordName(const KeyChord& chord) {
  std::string name;
  if (chord.modifiers & kCtrlMask) name += "Ctrl+";
  if (chord.modifiers & kShiftMask) name += "Shift+";
  if (chord.modifiers & kAltMask) name += "Alt+";
  if (IsFunctionKey(chord.key_code)) return name + "F" + std::to_string(chord.key_code - kVkF1 + 1);
  const std::string_view named = KeyNameOf(chord.key_code);
  if (!named.empty()) return name + std::string(named);
  return name + static_cast<char>(chord.key_code);
}

std::optional<KeyChord> LoadPickerChord(SettingsStore& settings) {
  const std::optional<std::string> stored = settings.Read(kOptionsSection, kPickerChordSetting);
  return ReadChordName(stored.value_or(std::string(kDefaultPickerChord))).chord;
}

}  // namespace keyloom
