// Entry lines: splitting any line, and composing a line from any launch keys and send string.
// The first byte holds the editor's options (bit 0 Space, bit 1 Tab, bit 2 Enter); the rest is
// the line, and also the launch keys and send string split at the first zero byte.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "phrases/entry_line.h"

namespace keyloom {
namespace {

bool Trimmed(std::string_view field) { return TrimSpaces(field) == field; }

void CheckSplit(std::string_view line) {
  const EntryParts parts = SplitEntryLine(line);
  Check(Trimmed(parts.flags) && Trimmed(parts.launch_keys) && Trimmed(parts.send_string));
  const std::optional<std::string> keys = EntryLaunchKeys(line);
  Check(keys.has_value() == (line.find('-') != std::string_view::npos));
  if (keys) Check(*keys == ToLower(parts.launch_keys));
}

void CheckComposed(std::uint8_t options, std::string_view launch_keys,
                   std::string_view send_string) {
  // Launch keys with a hyphen cannot be told from the separator; the editor's own test of
  // duplicates reads them the same way.
  if (launch_keys.find('-') != std::string_view::npos) return;
  const bool space = options & 1;
  const bool tab = options & 2;
  const bool enter = options & 4;
  const EntryParts parts =
      SplitEntryLine(ComposeEntryLine(launch_keys, send_string, space, tab, enter));
  const bool chord = launch_keys.size() >= 2 && launch_keys[0] == '{' &&
                     (launch_keys[1] == 'F' || launch_keys[1] == 'f');
  Check(parts.complete);
  Check(parts.launch_keys == TrimSpaces(launch_keys));
  Check(parts.send_string == TrimSpaces(send_string));
  Check(WantsEnter(parts.flags) == enter);
  Check(IsSpaceEnded(parts.flags) == (space && !chord));
  Check(IsTabEnded(parts.flags) == (!space && tab && !chord));
}

}  // namespace
}  // namespace keyloom

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace keyloom;
  if (size == 0) return 0;
  const std::string_view text = AsText(data + 1, size - 1);
  CheckSplit(text);
  const std::size_t zero = text.find('\0');
  if (zero != std::string_view::npos) {
    CheckComposed(data[0], text.substr(0, zero), text.substr(zero + 1));
  }
  return 0;
}
