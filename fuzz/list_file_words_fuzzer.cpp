// Keyloom's list-file reader on any bytes: decoding and splitting into lines. The first byte
// chooses the shortest line that the import takes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace keyloom;
  if (size == 0) return 0;
  // Negative lengths take every line, as a field holding "-3" does.
  const long long min_length = static_cast<std::int8_t>(data[0]) % 16;
  const std::string_view bytes = AsText(data + 1, size - 1);
  const std::vector<std::string> items =
      ParseWordItems(DecodeListFileText(bytes, Windows1252()), min_length);
  for (const std::string& item : items) {
    Check(!TrimSpaces(item).empty());
    Check(item.find_first_of("\r\n") == std::string::npos);
    Check(static_cast<long long>(CodePointCount(item)) >= min_length);
  }
  // Other bytes may change their reading on the way through the code page.
  if (IsAscii(bytes)) CheckSavedListReadsBack(ListLayout::kWords, items);
  return 0;
}
