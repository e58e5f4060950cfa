#include "phrases/macros.h"

#include <array>

#include "platform/text.h"

namespace keyloom {
namespace {

constexpr std::string_view kOpen = "%(";
constexpr std::string_view kClose = ")%";
constexpr std::string_view kRunPrefix = "run=";
constexpr std::string_view kCursorName = "cursor";

constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

std::string MacroValue(std::string_view name, const Clock& clock) {
  const std::string lower = ToLower(name);
  if (lower == "now") return clock.FormatDateTime(clock.Now());
  if (lower == "date") return clock.FormatShortDate(clock.Now());
  if (lower == "longdate") return LongDate(clock.Now());
  if (lower == "time") return clock.FormatTime(clock.Now());
  return std::string(name);
}

}  // namespace

std::string LongDate(const LocalDateTime& date) {
  const bool known_month = date.month >= 1 && date.month <= 12;
  std::string year = std::to_string(date.year);
  if (year.size() < 4) year.insert(0, 4 - year.size(), '0');
  std::string text(known_month ? kMonthNames[date.month - 1] : std::string_view("?"));
  text += ' ';
  text += std::to_string(date.day);
  text += ", ";
  text += year;
  return text;
}

ExpandedSendString ExpandMacros(std::string_view send_string, const Clock& clock) {
  std::string text(send_string);
  std::optional<std::size_t> cursor;
  int replacements = 0;
  for (;;) {
    const std::size_t open = text.find(kOpen);
    if (open == std::string::npos) break;
    const std::size_t close = text.find(kClose);
    if (close == std::string::npos || close < open) break;

    const std::size_t name_start = open + kOpen.size();
    const std::string_view name = std::string_view(text).substr(name_start, close - name_start);
    const bool is_cursor = ToLower(name) == kCursorName;
    std::string value = is_cursor ? std::string() : MacroValue(name, clock);
    if (StartsWithNoCase(value, kRunPrefix)) {
      return {std::string(), value.substr(kRunPrefix.size()), std::nullopt};
    }
    const std::size_t end = close + kClose.size();
    // The mark moves with the text behind it; one inside the replaced span goes to its start.
    if (cursor && *cursor > open)
      *cursor = *cursor >= end ? *cursor - (end - open) + value.size() : open;
    if (is_cursor && !cursor) cursor = open;
    text = text.substr(0, open) + value + text.substr(end);
    if (++replacements > kMaxMacroReplacements) break;
  }
  return {std::move(text), std::nullopt, cursor};
}

}  // namespace keyloom
