#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace keyloom {

// The applications an entry applies to. It is kept as a macro at the very front of the send
// string, "%(only=gedit|firefox)%" or "%(except=xterm)%", so that a list file keeps the
// entry line's form and an older Quipcast still reads, edits and sends the entry.
struct ApplicationScope {
  enum class Kind { kEvery, kOnly, kExcept };
  Kind kind = Kind::kEvery;
  std::vector<std::string> names;  // as the user wrote them; none for kEvery

  bool operator==(const ApplicationScope&) const = default;
};

struct ScopedSendString {
  ApplicationScope scope;
  std::string_view rest;  // the send string behind the scope's macro, trimmed as a send string is
};

// Reads the scope macro at the front of `send_string`; without one, the scope is every
// application and the rest is the whole send string.
ScopedSendString SplitScope(std::string_view send_string);

// The send string with the scope's macro in front; `send_string` alone for every application
// or for a scope that names none.
std::string WithScope(const ApplicationScope& scope, std::string_view send_string);

// How well the scope fits `application`, the most specific highest: it names the application,
// it leaves out others but not it, it applies everywhere, or it leaves the application out.
// Names compare as the excluded applications' do.
inline constexpr int kNamedFit = 2;
inline constexpr int kLeftOthersOutFit = 1;
inline constexpr int kEverywhereFit = 0;
inline constexpr int kNoFit = -1;
int ScopeFit(const ApplicationScope& scope, std::string_view application);

// Whether two scopes are the same choice, whatever the names' case or order.
bool SameScope(const ApplicationScope& a, const ApplicationScope& b);

// The names as the editor shows them ("gedit, firefox"), and read back from there (split at
// commas or bars).
std::string ScopeNamesText(const std::vector<std::string>& names);
std::vector<std::string> ScopeNamesFromText(std::string_view text);

}  // namespace keyloom
