#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ansi_code_page.h"
#include "platform/text.h"
#include "shell/list_file.h"

// What the fuzz targets share: a check that crashes so that libFuzzer keeps the input, and the
// round trip of a list file.
namespace keyloom {

inline void Check(bool condition) {
  if (!condition) std::abort();
}

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

inline bool IsAscii(std::string_view bytes) {
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// The items of a list file of either layout, every line taken.
inline std::vector<std::string> ReadListItems(ListLayout layout, std::string_view bytes) {
  const std::string text = DecodeListFileText(bytes, Windows1252());
  return layout == ListLayout::kPhrases ? ParsePhraseItems(text) : ParseWordItems(text, 0);
}

// Items read from a file come back from a save and a fresh import as they were, except that
// saving trims the spaces in front of the first one.
inline void CheckSavedListReadsBack(ListLayout layout, const std::vector<std::string>& items) {
  if (items.empty()) return;
  std::vector<std::string> expected = items;
  std::string& first = expected.front();
  first.erase(0, first.find_first_not_of(' '));
  Check(ReadListItems(layout, EncodeListFile(layout, items, Windows1252())) == expected);
}

}  // namespace keyloom
