#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace keyloom {

// An entry line is the only form of a phrase entry: flags " - " launch keys " - " send string.
// Only the first two hyphens separate; the send string may hold more.
struct EntryParts {
  std::string flags;
  std::string launch_keys;
  std::string send_string;
  // False for a line with fewer than two "-": the fields then hold only what the line has.
  bool complete = false;
};

// The line the editor writes. `launch_keys` and `send_string` go in as typed, untrimmed.
std::string ComposeEntryLine(std::string_view launch_keys, std::string_view send_string,
                             bool space_selected, bool tab_selected, bool send_enter);

// The three fields, each trimmed of spaces.
EntryParts SplitEntryLine(std::string_view line);

// Exact, case-sensitive tests on a (trimmed) flags field.
bool IsSpaceEnded(std::string_view flags);
bool IsTabEnded(std::string_view flags);
bool WantsEnter(std::string_view flags);

// The launch keys of a line for the editor's duplicate test: the text between the first and
// the second "-" (or the rest of the line), trimmed and lower-cased. nullopt for a line
// without any "-", which equals no launch keys.
std::optional<std::string> EntryLaunchKeys(std::string_view line);

}  // namespace keyloom
