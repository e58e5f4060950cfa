// Quipcast's list-file reader on any bytes: decoding and splitting at the code-1 separators.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace keyloom;
  const std::string_view bytes = AsText(data, size);
  const std::vector<std::string> items = ReadListItems(ListLayout::kPhrases, bytes);
  for (const std::string& item : items) {
    Check(!TrimSpaces(item).empty());
    Check(item.find('\x01') == std::string::npos);
  }
  // Other bytes may change their reading on the way through the code page.
  if (IsAscii(bytes)) CheckSavedListReadsBack(ListLayout::kPhrases, items);
  return 0;
}
