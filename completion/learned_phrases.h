#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "completion/word_context.h"

namespace keyloom {

// The words the user types after one or two others, counted by use. Once used, a word is
// offered first after the same words: after both of them before after the last one.
class LearnedPhrases {
 public:
  // Bounds what learning keeps, and what a lookup reads: past them the least used go first.
  static constexpr std::size_t kMaxPhrases = 100'000;
  static constexpr std::size_t kMaxFollowers = 128;

  // Counts `word` after the last word of `context` and after its last two. Words with digits
  // only, spaces or punctuation other than apostrophes and hyphens are not counted. True when
  // counted.
  bool CountUse(const WordContext& context, std::string_view word);
  // At most `limit` words used after `context` that begin with `prefix` (without regard to
  // case): those used after its last two words, then after its last one, the most used first.
  // The views stay valid until the next change.
  std::vector<std::string_view> Lookup(const WordContext& context, std::string_view prefix,
                                       std::size_t limit) const;
  // Forgets `word` after the words of `context`; false when it was not learned there.
  bool Forget(const WordContext& context, std::string_view word);
  void Clear();
  std::size_t size() const { return size_; }

  // One line per phrase used as often as a word must be to be learned, "count<TAB>words", with
  // the words separated by single spaces; phrases used less stay in memory only.
  std::string Serialize() const;
  // Learns the phrase lines of `text`; other lines are skipped.
  void Parse(std::string_view text);

 private:
  struct Follower {
    std::string lower;
    std::string spelling;  // as last typed
    int uses = 0;
  };
  // The context keys of `context`: its last two words, then its last one; those it has.
  static std::vector<std::string> Keys(const WordContext& context);
  void Add(const std::string& key, std::string_view word, int uses);
  // Forgets the least used phrases, so that a tenth of the room is free again.
  void MakeRoom();

  std::map<std::string, std::vector<Follower>, std::less<>> followers_;  // by context key
  std::size_t size_ = 0;
};

}  // namespace keyloom
