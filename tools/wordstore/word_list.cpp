#include "tools/wordstore/word_list.h"

#include <unordered_set>

#include "platform/text.h"

namespace keyloom {

WordList ParseWordList(std::string_view text) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  WordList list;
  std::unordered_set<std::string_view> seen;
  std::size_t line_number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++line_number;
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (!IsValidUtf8(line)) return WordList{{}, 0, line_number};
    line = TrimSpaces(line);
    if (line.empty()) continue;
    if (seen.insert(line).second) {
      list.words.emplace_back(line);
    } else {
      ++list.duplicates;
    }
  }
  return list;
}

}  // namespace keyloom
