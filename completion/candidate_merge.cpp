#include "completion/candidate_merge.h"

#include <algorithm>

#include "platform/text.h"

namespace keyloom {

std::vector<std::string> MergeCandidates(std::span<const std::vector<std::string_view>> sources,
                                         std::size_t limit) {
  std::vector<std::string> merged;
  std::vector<std::string> lowered;
  for (const std::vector<std::string_view>& source : sources) {
    for (std::string_view word : source) {
      if (merged.size() >= limit) return merged;
      std::string lower = ToLower(word);
      if (std::find(lowered.begin(), lowered.end(), lower) != lowered.end()) continue;
      lowered.push_back(std::move(lower));
      merged.emplace_back(word);
    }
  }
  return merged;
}

std::vector<std::string_view> ItemsWithPrefix(const std::vector<std::string>& sorted,
                                              std::string_view prefix, std::size_t limit) {
  std::vector<std::string_view> items;
  // The items that begin with the prefix stand together; only those before them sort lower
  // ("Hel" sorts before "hel" by its bytes, yet begins with it).
  auto it = std::lower_bound(sorted.begin(), sorted.end(), prefix,
                             [](const std::string& item, std::string_view p) {
                               return CompareNoCase(item, p) < 0 && !StartsWithNoCase(item, p);
                             });
  for (; it != sorted.end() && items.size() < limit && StartsWithNoCase(*it, prefix); ++it) {
    items.emplace_back(*it);
  }
  return items;
}

}  // namespace keyloom
