#include "completion/count_lines.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace keyloom {

void ForEachCountLine(std::string_view text,
                      const std::function<void(int count, std::string_view rest)>& take) {
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) continue;
    int count = 0;
    const auto [ptr, error] = std::from_chars(line.data(), line.data() + tab, count);
    if (error != std::errc() || ptr != line.data() + tab || count <= 0) continue;
    take(count, line.substr(tab + 1));
  }
}

int AddCounts(int count, int more) {
  return count > std::numeric_limits<int>::max() - more ? std::numeric_limits<int>::max()
                                                        : count + more;
}

}  // namespace keyloom
