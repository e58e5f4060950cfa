#include "completion/language_model_counts.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <map>
#include <unordered_map>
#include <vector>

#include "completion/byte_codec.h"
#include "completion/word_store_file.h"
#include "platform/text.h"

namespace keyloom {
namespace {

struct WordCount {
  std::string spelling;
  std::uint64_t count = 0;
  std::uint64_t spelling_count = 0;  // the count of the spelling kept
  std::size_t first_line = 0;
};

struct Line {
  std::uint64_t count = 0;
  std::vector<std::string_view> words;
};

std::uint32_t Saturated(std::uint64_t count) {
  return static_cast<std::uint32_t>(
      std::min<std::uint64_t>(count, std::numeric_limits<std::uint32_t>::max()));
}

std::optional<Line> ParseLine(std::string_view line) {
  const std::size_t tab = line.find('\t');
  if (tab == std::string_view::npos) return std::nullopt;
  Line parsed;
  const auto [ptr, error] = std::from_chars(line.data(), line.data() + tab, parsed.count);
  if (error != std::errc() || ptr != line.data() + tab || parsed.count == 0) return std::nullopt;
  std::string_view words = line.substr(tab + 1);
  if (words.empty() || words.back() == ' ' || words.find('\t') != std::string_view::npos) {
    return std::nullopt;
  }
  while (!words.empty()) {
    const std::size_t space = std::min(words.find(' '), words.size());
    if (space == 0 || parsed.words.size() == 3) return std::nullopt;
    parsed.words.push_back(words.substr(0, space));
    words.remove_prefix(std::min(space + 1, words.size()));
  }
  return parsed;
}

using FollowerCounts = std::map<std::uint32_t, std::uint64_t>;

// One context's followers, most frequent first, equals by word number.
void AppendGroup(const FollowerCounts& counts, std::vector<std::uint32_t>& starts,
                 std::vector<Follower>& followers) {
  std::vector<Follower> group;
  for (const auto& [word, count] : counts) group.push_back({word, Saturated(count)});
  std::stable_sort(group.begin(), group.end(),
                   [](const Follower& a, const Follower& b) { return a.count > b.count; });
  followers.insert(followers.end(), group.begin(), group.end());
  starts.push_back(static_cast<std::uint32_t>(followers.size()));
}

}  // namespace

std::optional<LanguageModelData> BuildLanguageModel(std::string_view text, std::string& error) {
  std::vector<Line> lines;
  std::unordered_map<std::string, WordCount> words;
  std::size_t number = 0;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    std::optional<Line> parsed = IsValidUtf8(line) ? ParseLine(line) : std::nullopt;
    if (!parsed) {
      error = "line " + std::to_string(number) + ": not COUNT, a tab and one to three words";
      return std::nullopt;
    }
    if (parsed->words.size() == 1) {
      const std::string_view spelling = parsed->words.front();
      WordCount& word = words[ToLower(spelling)];
      if (word.count == 0) word.first_line = number;
      word.count += parsed->count;
      if (parsed->count > word.spelling_count) {
        word.spelling = std::string(spelling);
        word.spelling_count = parsed->count;
      }
    } else {
      lines.push_back(std::move(*parsed));
    }
  }
  if (words.size() >= kMaxModelWords) {
    error = "more than " + std::to_string(kMaxModelWords - 1) + " words";
    return std::nullopt;
  }

  // The vocabulary, most used first; equals in the order of their first lines.
  std::vector<const WordCount*> order;
  order.reserve(words.size());
  for (const auto& [lower, word] : words) order.push_back(&word);
  std::sort(order.begin(), order.end(), [](const WordCount* a, const WordCount* b) {
    return a->count != b->count ? a->count > b->count : a->first_line < b->first_line;
  });
  std::unordered_map<std::string, std::uint32_t> numbers;
  std::vector<std::string> spellings;
  LanguageModelData model;
  for (const WordCount* word : order) {
    numbers.emplace(ToLower(word->spelling), static_cast<std::uint32_t>(spellings.size()));
    spellings.push_back(word->spelling);
    model.counts.push_back(Saturated(word->count));
  }
  const auto sentence_start = static_cast<std::uint32_t>(spellings.size());
  const auto number_of = [&](std::string_view word,
                             bool may_start) -> std::optional<std::uint32_t> {
    if (may_start && word == kSentenceStartToken) return sentence_start;
    const auto found = numbers.find(ToLower(word));
    if (found == numbers.end()) return std::nullopt;
    return found->second;
  };

  // Every word and the sentence start have a group of followers, most of them empty.
  std::vector<FollowerCounts> pairs(std::size_t{sentence_start} + 1);
  std::map<ContextPair, FollowerCounts> triples;
  for (const Line& line : lines) {
    const std::optional<std::uint32_t> first = number_of(line.words[0], true);
    const std::optional<std::uint32_t> second = number_of(line.words[1], false);
    if (!first || !second) continue;
    if (line.words.size() == 2) {
      pairs[*first][*second] += line.count;
      continue;
    }
    const std::optional<std::uint32_t> third = number_of(line.words[2], false);
    if (third) triples[{*first, *second}][*third] += line.count;
  }
  model.pair_starts.push_back(0);
  for (const FollowerCounts& counts : pairs) {
    AppendGroup(counts, model.pair_starts, model.pair_followers);
  }
  model.triple_starts.push_back(0);
  for (const auto& [context, counts] : triples) {
    model.triple_contexts.push_back(context);
    AppendGroup(counts, model.triple_starts, model.triple_followers);
  }

  const std::string rows = EncodeWordRows(spellings);
  ByteReader reader(rows);
  std::optional<WordTable> table = ReadWordRows(reader);
  if (!table) {
    error = "the words do not fit in a model";
    return std::nullopt;
  }
  model.words = std::move(*table);
  return model;
}

}  // namespace keyloom
