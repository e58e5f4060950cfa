#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace keyloom {

// The words the user types, counted by use. A word is offered, and kept beyond this run, once
// it has been used often enough, the most used first: a word typed once, such as a password
// where no password field was told, stays in memory only.
class LearnedWords {
 public:
  static constexpr int kMinUses = 3;
  static constexpr std::size_t kMinLength = 4;  // code points
  // Past it the least used go first.
  static constexpr std::size_t kMaxWords = 100'000;

  // Counts one use of `word` as spelled. Punctuation around it is dropped; a word that is then
  // shorter than kMinLength, holds a space or other punctuation, or is all digits is not
  // counted. True when counted.
  bool CountUse(std::string_view word);
  // At most `limit` offered words that begin with `prefix` (without regard to case), most used
  // first, equals in alphabetical order. The views stay valid until the next change.
  std::vector<std::string_view> Lookup(std::string_view prefix, std::size_t limit) const;
  // Forgets `word` (without regard to case); false when it was not known.
  bool Forget(std::string_view word);
  void Clear() { words_.clear(); }
  bool empty() const { return words_.empty(); }
  std::size_t size() const { return words_.size(); }

  // One line per word used kMinUses times, "count<TAB>word", and back. Lines that do not read
  // are skipped.
  std::string Serialize() const;
  static LearnedWords Parse(std::string_view text);

 private:
  struct Entry {
    std::string spelling;  // as last typed
    int uses = 0;
  };
  void Add(std::string_view word, int uses);
  // Forgets the least used words, so that a tenth of the room is free again.
  void MakeRoom();

  std::map<std::string, Entry, std::less<>> words_;  // by lower-cased word
};

}  // namespace keyloom
