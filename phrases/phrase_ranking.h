#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace keyloom {

// An entry as the phrase picker searches it.
struct PickableEntry {
  std::string launch_keys;
  std::string phrase;  // the send string, without the applications it applies to
};

// The entries, read once for every query the user types while the picker shows.
class EntryRanking {
 public:
  explicit EntryRanking(std::span<const PickableEntry> entries);

  // The entries that every word of `query` finds, best first, equals in the entries' order; an
  // empty query finds every entry. A word finds an entry by its launch letters (the same, their
  // beginning, or in order among them), by a word of the phrase (the same, its beginning, the
  // phrase words' first letters, within one typing slip), or anywhere in the phrase; all
  // compared without regard to case.
  std::vector<std::size_t> Rank(std::string_view query) const;

  // The entries as searched: lower case, the phrase also in words and their first letters.
  struct Searched {
    std::u32string launch;
    std::u32string phrase;
    std::vector<std::u32string> words;
    std::u32string initials;
  };

 private:
  std::vector<Searched> entries_;
};

// Ranks `entries` for one query (see EntryRanking::Rank).
std::vector<std::size_t> RankEntries(std::span<const PickableEntry> entries,
                                     std::string_view query);

}  // namespace keyloom
