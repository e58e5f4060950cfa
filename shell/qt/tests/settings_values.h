#pragma once

#include <charconv>
#include <cstddef>
#include <string>
#include <string_view>

// The values that the programs of the shared-settings test write: "<writer>-<number>-" followed
// by the writer's letter many times over, so that a value mixed from two writes, or cut short,
// is never taken for one that was written.
namespace keyloom {

inline constexpr std::size_t kSettingsValuePadding = 200;

inline std::string SettingsValue(char writer, int number) {
  return std::string(1, writer) + "-" + std::to_string(number) + "-" +
         std::string(kSettingsValuePadding, writer);
}

// Whether `text` is a value that writer 'A' or 'B' writes with a number below `count`.
inline bool IsWrittenSettingsValue(std::string_view text, int count) {
  if (text.size() < 2 || (text[0] != 'A' && text[0] != 'B') || text[1] != '-') return false;
  int number = -1;
  const auto result = std::from_chars(text.data() + 2, text.data() + text.size(), number);
  if (result.ec != std::errc() || number < 0 || number >= count) return false;
  return text == SettingsValue(text[0], number);
}

}  // namespace keyloom
