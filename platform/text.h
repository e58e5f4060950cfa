#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Text helpers for UTF-8 strings. Lengths that behaviour depends on are code points, never bytes.
namespace keyloom {

// Removes leading and trailing space characters (code 32) only; tabs and line breaks stay.
std::string_view TrimSpaces(std::string_view text);

// The parts of `joined` between any of the `separators`, trimmed of spaces; empty parts left out.
std::vector<std::string> SplitTrimmed(std::string_view joined, std::string_view separators);
// The parts with `separator` between them.
std::string JoinWith(const std::vector<std::string>& parts, std::string_view separator);

// Number of code points; each invalid byte counts as one.
std::size_t CodePointCount(std::string_view text);

// The code points from index `first` (0-based, counted in code points) to the end.
std::string_view DropCodePoints(std::string_view text, std::size_t first);

// Simple Unicode case mapping (ASCII, Latin-1, Latin Extended-A, Greek, Cyrillic).
std::string ToLower(std::string_view text);
std::string ToUpper(std::string_view text);
char32_t LowerCodePoint(char32_t c);
char32_t UpperCodePoint(char32_t c);

// The one case-insensitive order of every sorted list, identical on every platform: compares
// lower-cased code points, then falls back to the exact bytes so that the order is total.
// Returns <0, 0 or >0.
int CompareNoCase(std::string_view a, std::string_view b);
inline bool LessNoCase(std::string_view a, std::string_view b) { return CompareNoCase(a, b) < 0; }

// True when `text` begins with `prefix`, compared without regard to case.
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

bool IsValidUtf8(std::string_view bytes);
void AppendUtf8(std::string& out, char32_t code_point);
// Decodes one code point at `pos` and advances it; an invalid byte decodes as U+FFFD.
char32_t NextCodePoint(std::string_view text, std::size_t& pos);

}  // namespace keyloom
