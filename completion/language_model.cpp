#include "completion/language_model.h"

#include <algorithm>
#include <utility>

#include "platform/text.h"

namespace keyloom {
namespace {

// How much of each count goes to the lower orders, as in Kneser and Ney's absolute discounting.
constexpr double kDiscount = 0.75;

template <typename T>
std::size_t Bytes(const std::vector<T>& v) {
  return v.capacity() * sizeof(T);
}

// What each context's followers add up to.
std::vector<double> Totals(const std::vector<std::uint32_t>& starts,
                           const std::vector<Follower>& followers) {
  std::vector<double> totals(starts.size() - 1, 0.0);
  for (std::size_t context = 0; context + 1 < starts.size(); ++context) {
    for (std::uint32_t i = starts[context]; i < starts[context + 1]; ++i) {
      totals[context] += followers[i].count;
    }
  }
  return totals;
}

}  // namespace

std::optional<LanguageModel> LanguageModel::Open(std::string_view file_bytes) {
  std::optional<LanguageModelData> data = DecodeLanguageModel(file_bytes);
  if (!data) return std::nullopt;
  return LanguageModel(std::move(*data));
}

LanguageModel LanguageModel::FromData(LanguageModelData data) {
  return LanguageModel(std::move(data));
}

LanguageModel::LanguageModel(LanguageModelData data)
    : words_(WordStore::FromTable(std::move(data.words))),
      counts_(std::move(data.counts)),
      pair_starts_(std::move(data.pair_starts)),
      pair_followers_(std::move(data.pair_followers)),
      triple_contexts_(std::move(data.triple_contexts)),
      triple_starts_(std::move(data.triple_starts)),
      triple_followers_(std::move(data.triple_followers)) {
  position_of_.resize(counts_.size());
  const std::vector<std::uint32_t>& sorted = words_.SortedRows();
  for (std::uint32_t at = 0; at < sorted.size(); ++at) position_of_[sorted[at]] = at;
  for (std::uint32_t count : counts_) total_count_ += count;
  pair_totals_ = Totals(pair_starts_, pair_followers_);
  triple_totals_ = Totals(triple_starts_, triple_followers_);
}

std::optional<std::uint32_t> LanguageModel::WordNumber(std::string_view word) const {
  if (word.empty()) return std::nullopt;
  const auto [first, last] = words_.PrefixRange(word);
  // A word sorts before every longer word that begins with it.
  if (first == last) return std::nullopt;
  const std::uint32_t row = words_.SortedRows()[first];
  if (CodePointCount(words_.Row(row)) != CodePointCount(word)) return std::nullopt;
  return row;
}

std::pair<std::optional<std::uint32_t>, std::optional<std::uint32_t>> LanguageModel::ContextNumbers(
    const WordContext& context) const {
  const auto sentence_start = static_cast<std::uint32_t>(size());
  const std::vector<std::string>& words = context.words;
  if (words.empty()) {
    if (!context.sentence_start) return {std::nullopt, std::nullopt};
    return {std::nullopt, sentence_start};
  }
  const std::optional<std::uint32_t> previous = WordNumber(words.back());
  if (words.size() == 1) {
    return {context.sentence_start ? std::optional(sentence_start) : std::nullopt, previous};
  }
  return {WordNumber(words[words.size() - 2]), previous};
}

LanguageModel::Followers LanguageModel::PairFollowers(std::uint32_t context) const {
  const Follower* data = pair_followers_.data();
  return {data + pair_starts_[context], data + pair_starts_[context + 1], pair_totals_[context],
          static_cast<double>(pair_starts_[context + 1] - pair_starts_[context])};
}

LanguageModel::Followers LanguageModel::TripleFollowers(std::uint32_t first,
                                                        std::uint32_t second) const {
  const ContextPair key{first, second};
  const auto found = std::lower_bound(triple_contexts_.begin(), triple_contexts_.end(), key);
  if (found == triple_contexts_.end() || *found != key) return {};
  const auto at = static_cast<std::size_t>(found - triple_contexts_.begin());
  const Follower* data = triple_followers_.data();
  return {data + triple_starts_[at], data + triple_starts_[at + 1], triple_totals_[at],
          static_cast<double>(triple_starts_[at + 1] - triple_starts_[at])};
}

std::vector<std::string_view> LanguageModel::Predict(const WordContext& context,
                                                     std::string_view prefix,
                                                     std::size_t limit) const {
  std::vector<std::string_view> predicted;
  if (limit == 0 || size() == 0) return predicted;
  const auto [first, last] = prefix.empty() ? std::pair<std::uint32_t, std::uint32_t>(
                                                  0, static_cast<std::uint32_t>(size()))
                                            : words_.PrefixRange(prefix);
  if (first == last) return predicted;
  const auto matches = [&, first = first, last = last](std::uint32_t word) {
    return position_of_[word] >= first && position_of_[word] < last;
  };
  const auto [before, previous] = ContextNumbers(context);
  const Followers pairs = previous ? PairFollowers(*previous) : Followers{};
  const Followers triples = before && previous ? TripleFollowers(*before, *previous) : Followers{};

  std::vector<Candidate> candidates;
  // Followers come most frequent first, so the likeliest are among the first that match.
  const std::size_t collected = kCandidatesPerLimit * limit;
  const auto scan = [&](const Followers& followers, bool triple) {
    const Follower* end =
        followers.begin + std::min<std::size_t>(followers.end - followers.begin, kFollowersScanned);
    std::size_t found = 0;
    for (const Follower* it = followers.begin; it != end && found < collected; ++it) {
      if (!matches(it->word)) continue;
      ++found;
      candidates.push_back(triple ? Candidate{it->word, it->count, 0}
                                  : Candidate{it->word, 0, it->count});
    }
  };
  scan(triples, true);
  scan(pairs, false);
  words_.VisitFirstRows(first, last, limit, [&](std::uint32_t word) {
    candidates.push_back({word, 0, 0});
  });

  // One entry per word with the counts that its sources gave.
  std::sort(candidates.begin(), candidates.end(),
            [](const Candidate& a, const Candidate& b) { return a.word < b.word; });
  std::vector<std::pair<double, std::uint32_t>> scored;
  for (std::size_t i = 0; i < candidates.size();) {
    Candidate merged = candidates[i];
    for (++i; i < candidates.size() && candidates[i].word == merged.word; ++i) {
      merged.triple_count = std::max(merged.triple_count, candidates[i].triple_count);
      merged.pair_count = std::max(merged.pair_count, candidates[i].pair_count);
    }
    double p = counts_[merged.word] / total_count_;
    if (pairs.total > 0) {
      p = std::max(merged.pair_count - kDiscount, 0.0) / pairs.total +
          kDiscount * pairs.distinct / pairs.total * p;
    }
    if (triples.total > 0) {
      p = std::max(merged.triple_count - kDiscount, 0.0) / triples.total +
          kDiscount * triples.distinct / triples.total * p;
    }
    scored.emplace_back(p, merged.word);
  }
  const std::size_t kept = std::min(limit, scored.size());
  // The more frequent word first among equals, as the vocabulary's order has it.
  std::partial_sort(scored.begin(), scored.begin() + static_cast<std::ptrdiff_t>(kept),
                    scored.end(), [](const auto& a, const auto& b) {
                      return a.first > b.first || (a.first == b.first && a.second < b.second);
                    });
  predicted.reserve(kept);
  for (std::size_t i = 0; i < kept; ++i) predicted.push_back(words_.Row(scored[i].second));
  return predicted;
}

std::size_t LanguageModel::MemoryBytes() const {
  return sizeof(*this) + words_.MemoryBytes() + Bytes(counts_) + Bytes(position_of_) +
         Bytes(pair_starts_) + Bytes(pair_followers_) + Bytes(pair_totals_) +
         Bytes(triple_contexts_) + Bytes(triple_starts_) + Bytes(triple_followers_) +
         Bytes(triple_totals_);
}

}  // namespace keyloom
