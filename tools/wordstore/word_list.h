#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The plain word list that stores are built from: UTF-8, one entry a line, most frequent first.
namespace keyloom {

struct WordList {
  std::vector<std::string> words;  // in the list's order, each once
  std::size_t duplicates = 0;      // entries left out because an earlier line had them
  std::size_t bad_line = 0;        // 1-based number of the first line that is not UTF-8, or 0
};

// Reads `text`: a leading byte-order mark, line ends (LF or CRLF), spaces around an entry and
// empty lines are dropped. When a line is not UTF-8, `bad_line` names it and `words` is empty.
WordList ParseWordList(std::string_view text);

}  // namespace keyloom
