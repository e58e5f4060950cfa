#include "completion/word_store.h"

#include <algorithm>

#include "platform/text.h"

namespace keyloom {

std::optional<WordStore> WordStore::Open(std::string_view file_bytes, std::string_view password) {
  std::optional<WordTable> table = UnsealWordStore(file_bytes, password);
  if (!table) return std::nullopt;
  return WordStore(std::move(*table));
}

WordStore::WordStore(WordTable table)
    : table_(std::move(table)), sorted_(std::move(table_.sorted)) {
  table_.sorted = {};
}

std::vector<std::string_view> WordStore::Lookup(std::string_view prefix, std::size_t limit) const {
  std::vector<std::string_view> rows;
  const auto [first, last] = PrefixRange(prefix);
  if (first == last || limit == 0) return rows;
  rows.reserve(std::min<std::size_t>(limit, last - first));
  sorted_.VisitSmallest(first, last, limit,
                        [&](std::uint32_t row) { rows.push_back(table_.Row(row)); });
  return rows;
}

std::pair<std::uint32_t, std::uint32_t> WordStore::PrefixRange(std::string_view prefix) const {
  // Sorted order compares lower-cased code points first, so the rows that begin with the prefix
  // (without regard to case) lie together, between the rows that sort before the prefix and the
  // rows that sort after it. -1, 0 and 1 say where a row lies.
  auto place = [&](std::uint32_t row) {
    const std::string_view text = table_.Row(row);
    if (StartsWithNoCase(text, prefix)) return 0;
    return CompareNoCase(text, prefix) < 0 ? -1 : 1;
  };
  const std::vector<std::uint32_t>& order = sorted_.values();
  // Both ends share the search until it meets a matching row; then each end has its own.
  auto first = order.begin();
  auto last = order.end();
  auto inside = last;
  while (first < last) {
    const auto middle = first + (last - first) / 2;
    const int where = place(*middle);
    if (where == 0) {
      inside = middle;
      break;
    }
    if (where < 0) {
      first = middle + 1;
    } else {
      last = middle;
    }
  }
  if (inside == order.end()) return {0, 0};
  first = std::partition_point(first, inside, [&](std::uint32_t row) { return place(row) < 0; });
  last = std::partition_point(inside, last, [&](std::uint32_t row) { return place(row) == 0; });
  return {static_cast<std::uint32_t>(first - order.begin()),
          static_cast<std::uint32_t>(last - order.begin())};
}

std::size_t WordStore::MemoryBytes() const {
  return sizeof(*this) + table_.text.capacity() + table_.starts.capacity() * sizeof(std::uint32_t) +
         sorted_.MemoryBytes();
}

}  // namespace keyloom
