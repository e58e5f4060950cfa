#include "completion/language_model_file.h"

#include <algorithm>

#include "completion/byte_codec.h"

namespace keyloom {
namespace {

constexpr std::string_view kMagic("KLMODEL\x1A", 8);
constexpr std::uint32_t kVersion = 1;

void PutNumbers(std::string& out, const std::vector<std::uint32_t>& numbers) {
  for (std::uint32_t number : numbers) PutNumber(out, number);
}

void PutFollowers(std::string& out, const std::vector<Follower>& followers) {
  for (const Follower& follower : followers) {
    PutNumber(out, follower.word);
    PutNumber(out, follower.count);
  }
}

// `count` numbers, each of which takes 4 bytes, so a count beyond what is left cannot fit.
std::optional<std::vector<std::uint32_t>> ReadNumbers(ByteReader& reader, std::uint64_t count) {
  if (count > reader.Remaining() / 4) return std::nullopt;
  std::vector<std::uint32_t> numbers;
  numbers.reserve(count);
  for (std::uint64_t i = 0; i < count; ++i) {
    const std::optional<std::uint32_t> number = reader.Number();
    if (!number) return std::nullopt;
    numbers.push_back(*number);
  }
  return numbers;
}

// Starts of `contexts` groups that begin at 0, never decrease and end at the followers' count.
bool ValidStarts(const std::vector<std::uint32_t>& starts) {
  return !starts.empty() && starts.front() == 0 && std::is_sorted(starts.begin(), starts.end());
}

// The followers that `starts` groups: each word in the vocabulary, each count above zero and
// never above the one before it in its group.
std::optional<std::vector<Follower>> ReadFollowers(ByteReader& reader,
                                                   const std::vector<std::uint32_t>& starts,
                                                   std::uint32_t word_count) {
  const std::optional<std::vector<std::uint32_t>> numbers =
      ReadNumbers(reader, std::uint64_t{starts.back()} * 2);
  if (!numbers) return std::nullopt;
  std::vector<Follower> followers(starts.back());
  for (std::size_t i = 0; i < followers.size(); ++i) {
    followers[i] = {(*numbers)[2 * i], (*numbers)[2 * i + 1]};
    if (followers[i].word >= word_count || followers[i].count == 0) return std::nullopt;
  }
  for (std::size_t group = 0; group + 1 < starts.size(); ++group) {
    for (std::uint32_t i = starts[group] + 1; i < starts[group + 1]; ++i) {
      if (followers[i].count > followers[i - 1].count) return std::nullopt;
    }
  }
  return followers;
}

}  // namespace

std::string EncodeLanguageModel(const LanguageModelData& model) {
  std::string out(kMagic);
  PutNumber(out, kVersion);
  std::vector<std::string> words;
  words.reserve(model.words.size());
  for (std::uint32_t row = 0; row < model.words.size(); ++row) {
    words.emplace_back(model.words.Row(row));
  }
  out += EncodeWordRows(words);
  PutNumbers(out, model.counts);
  PutNumbers(out, model.pair_starts);
  PutFollowers(out, model.pair_followers);
  PutNumber(out, static_cast<std::uint32_t>(model.triple_contexts.size()));
  for (const ContextPair& context : model.triple_contexts) {
    PutNumber(out, context.first);
    PutNumber(out, context.second);
  }
  PutNumbers(out, model.triple_starts);
  PutFollowers(out, model.triple_followers);
  return out;
}

std::optional<LanguageModelData> DecodeLanguageModel(std::string_view bytes) {
  ByteReader reader(bytes);
  if (reader.Bytes(kMagic.size()) != kMagic || reader.Number() != kVersion) return std::nullopt;
  LanguageModelData model;
  std::optional<WordTable> words = ReadWordRows(reader);
  if (!words || words->size() >= kMaxModelWords) return std::nullopt;
  model.words = std::move(*words);
  const auto n = static_cast<std::uint32_t>(model.words.size());

  std::optional<std::vector<std::uint32_t>> counts = ReadNumbers(reader, n);
  if (!counts || std::find(counts->begin(), counts->end(), 0u) != counts->end() ||
      !std::is_sorted(counts->begin(), counts->end(), std::greater<>())) {
    return std::nullopt;
  }
  model.counts = std::move(*counts);

  std::optional<std::vector<std::uint32_t>> pair_starts = ReadNumbers(reader, std::uint64_t{n} + 2);
  if (!pair_starts || !ValidStarts(*pair_starts)) return std::nullopt;
  std::optional<std::vector<Follower>> pairs = ReadFollowers(reader, *pair_starts, n);
  if (!pairs) return std::nullopt;
  model.pair_starts = std::move(*pair_starts);
  model.pair_followers = std::move(*pairs);

  const std::optional<std::uint32_t> context_count = reader.Number();
  if (!context_count) return std::nullopt;
  std::optional<std::vector<std::uint32_t>> context_numbers =
      ReadNumbers(reader, std::uint64_t{*context_count} * 2);
  if (!context_numbers) return std::nullopt;
  model.triple_contexts.resize(*context_count);
  for (std::size_t i = 0; i < model.triple_contexts.size(); ++i) {
    const ContextPair context{(*context_numbers)[2 * i], (*context_numbers)[2 * i + 1]};
    if (context.first > n || context.second >= n) return std::nullopt;
    if (i > 0 && !(model.triple_contexts[i - 1] < context)) return std::nullopt;
    model.triple_contexts[i] = context;
  }
  std::optional<std::vector<std::uint32_t>> triple_starts =
      ReadNumbers(reader, std::uint64_t{*context_count} + 1);
  if (!triple_starts || !ValidStarts(*triple_starts)) return std::nullopt;
  std::optional<std::vector<Follower>> triples = ReadFollowers(reader, *triple_starts, n);
  if (!triples || !reader.AtEnd()) return std::nullopt;
  model.triple_starts = std::move(*triple_starts);
  model.triple_followers = std::move(*triples);
  return model;
}

}  // namespace keyloom
