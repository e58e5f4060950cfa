#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/clock.h"

namespace keyloom {

// Expansion ends after this many replacements have been exceeded, so that a send string that
// keeps producing macros cannot loop for ever.
inline constexpr int kMaxMacroReplacements = 1000;

struct ExpandedSendString {
  std::string text;
  // Set when a "run=" macro was reached: the command line to start; nothing is to be typed.
  std::optional<std::string> run_command;
  // Where the first "%(cursor)%" stood in `text` (a byte offset): the text cursor is left there.
  // Every "%(cursor)%" is taken out of the text.
  std::optional<std::size_t> cursor;
};

// Replaces the macros "%(" name ")%": now, date, longdate and time (names in any case) by the
// clock's texts, cursor by nothing (see `cursor`); any other name stays as bare text. A "%("
// without a ")%" behind it, or a ")%" before the first "%(", ends the expansion and the rest is
// left as literal text.
ExpandedSendString ExpandMacros(std::string_view send_string, const Clock& clock);

// "December 7, 2026": English month name, day without leading zero, four-digit year.
std::string LongDate(const LocalDateTime& date);

}  // namespace keyloom
