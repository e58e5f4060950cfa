#include "phrases/entry_line.h"

#include "platform/text.h"

namespace keyloom {
namespace {

constexpr std::string_view kSeparator = " - ";

}  // namespace

std::string ComposeEntryLine(std::string_view launch_keys, std::string_view send_string,
                             bool space_selected, bool tab_selected, bool send_enter) {
  std::string flags = space_selected ? "{S}" : tab_selected ? "{T}" : "";
  // A function key typed in either case makes a chord entry, whatever option is selected.
  if (launch_keys.size() >= 2 && launch_keys[0] == '{' &&
      (launch_keys[1] == 'F' || launch_keys[1] == 'f')) {
    flags = "{F}";
  }
  if (send_enter) flags += "{E}";

  std::string line = flags;
  line += kSeparator;
  line += launch_keys;
  line += kSeparator;
  line += send_string;
  return line;
}

EntryParts SplitEntryLine(std::string_view line) {
  EntryParts parts;
  const std::size_t first = line.find('-');
  parts.flags = TrimSpaces(line.substr(0, first));
  if (first == std::string_view::npos) return parts;

  const std::string_view rest = line.substr(first + 1);
  const std::size_t second = rest.find('-');
  parts.launch_keys = TrimSpaces(rest.substr(0, second));
  if (second == std::string_view::npos) return parts;

  parts.send_string = TrimSpaces(rest.substr(second + 1));
  parts.complete = true;
  return parts;
}

bool IsSpaceEnded(std::string_view flags) { return flags.starts_with("{S}"); }
bool IsTabEnded(std::string_view flags) { return flags.starts_with("{T}"); }
bool WantsEnter(std::string_view flags) { return flags.ends_with("{E}"); }

std::optional<std::string> EntryLaunchKeys(std::string_view line) {
  const std::size_t first = line.find('-');
  if (first == std::string_view::npos) return std::nullopt;
  const std::string_view rest = line.substr(first + 1);
  return ToLower(TrimSpaces(rest.substr(0, rest.find('-'))));
}

}  // namespace keyloom
