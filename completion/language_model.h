#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "completion/language_model_file.h"
#include "completion/word_context.h"
#include "completion/word_store.h"

namespace keyloom {

// A language model held in memory: which words are likely next, given the one or two words
// before them. Probabilities are interpolated with absolute discounting: a word's share of
// what followed the last two words, backed off to what followed the last word and then to how
// often the word is used at all.
class LanguageModel {
 public:
  // Followers looked at per context when a prefix narrows them. They are kept most frequent
  // first, so the likely ones are always among them.
  static constexpr std::size_t kFollowersScanned = 512;
  // Of those, the ones that match are taken up to this many per candidate asked for.
  static constexpr std::size_t kCandidatesPerLimit = 4;

  // nullopt when the file is damaged or is no model.
  static std::optional<LanguageModel> Open(std::string_view file_bytes);
  static LanguageModel FromData(LanguageModelData data);

  // At most `limit` words that begin with `prefix` (without regard to case), the likeliest
  // after `context` first. The views stay valid while the model lives.
  std::vector<std::string_view> Predict(const WordContext& context, std::string_view prefix,
                                        std::size_t limit) const;

  // The number of `word`, compared without regard to case; nullopt when it is not known.
  std::optional<std::uint32_t> WordNumber(std::string_view word) const;
  std::size_t size() const { return counts_.size(); }
  std::size_t MemoryBytes() const;

 private:
  struct Candidate {
    std::uint32_t word;
    std::uint32_t triple_count;
    std::uint32_t pair_count;
  };
  // A context's followers and what the discounting needs of them.
  struct Followers {
    const Follower* begin = nullptr;
    const Follower* end = nullptr;
    double total = 0;     // their counts added up
    double distinct = 0;  // how many there are
  };

  explicit LanguageModel(LanguageModelData data);
  Followers PairFollowers(std::uint32_t context) const;
  Followers TripleFollowers(std::uint32_t first, std::uint32_t second) const;
  // The context numbers of `context`: [0] the word before the last, [1] the last word; nullopt
  // where it is unknown.
  std::pair<std::optional<std::uint32_t>, std::optional<std::uint32_t>> ContextNumbers(
      const WordContext& context) const;

  WordStore words_;
  std::vector<std::uint32_t> counts_;
  std::vector<std::uint32_t> position_of_;  // each word's position in sorted order
  double total_count_ = 0;
  std::vector<std::uint32_t> pair_starts_;
  std::vector<Follower> pair_followers_;
  std::vector<double> pair_totals_;
  std::vector<ContextPair> triple_contexts_;
  std::vector<std::uint32_t> triple_starts_;
  std::vector<Follower> triple_followers_;
  std::vector<double> triple_totals_;
};

}  // namespace keyloom
