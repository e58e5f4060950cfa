#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "completion/word_store_file.h"
#include "completion/word_store_range_min.h"

// The word store that Keyloom completes from: the table `words` of words.mdb, held in memory
// after opening, with its rows (column `Field1`) in store order and sorted without regard to
// case. Store order is the dictionary's frequency rank.
namespace keyloom {

// The password that seals the shipped store and every store the program opens.
inline constexpr std::string_view kWordStorePassword = "rwkdzhbxegtsl4068";

class WordStore {
 public:
  // nullopt when the file is damaged, truncated or sealed with another password.
  static std::optional<WordStore> Open(std::string_view file_bytes,
                                       std::string_view password = kWordStorePassword);

  // At most `limit` rows whose text begins with `prefix`, compared without regard to case, the
  // first ones in store order, in store order. The prefix is literal text: no character in it
  // is a pattern. The views stay valid while the store is neither moved nor destroyed.
  std::vector<std::string_view> Lookup(std::string_view prefix, std::size_t limit) const;

  // A store of rows that a reader has checked (see ReadWordRows).
  static WordStore FromTable(WordTable table) { return WordStore(std::move(table)); }

  // The positions in sorted order of the rows that begin with `prefix`, [first, last).
  std::pair<std::uint32_t, std::uint32_t> PrefixRange(std::string_view prefix) const;
  // The row numbers in sorted order: a row begins with a prefix when its position lies in the
  // prefix's range.
  const std::vector<std::uint32_t>& SortedRows() const { return sorted_.values(); }
  // Calls visit(row) for the first `limit` rows in store order of the positions [first, last).
  template <typename Visit>
  void VisitFirstRows(std::uint32_t first, std::uint32_t last, std::size_t limit,
                      Visit visit) const {
    sorted_.VisitSmallest(first, last, limit, visit);
  }

  std::size_t size() const { return sorted_.values().size(); }
  // Row `row` in store order; requires row < size().
  std::string_view Row(std::size_t row) const {
    return table_.Row(static_cast<std::uint32_t>(row));
  }

  // Bytes held by the open store.
  std::size_t MemoryBytes() const;

 private:
  explicit WordStore(WordTable table);

  WordTable table_;      // the rows; its sorted index has moved into sorted_
  RangeMinimum sorted_;  // row numbers in sorted order
};

}  // namespace keyloom
