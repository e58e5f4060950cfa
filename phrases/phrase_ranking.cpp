#include "phrases/phrase_ranking.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "platform/key_char.h"
#include "platform/text.h"

namespace keyloom {
namespace {

// How well one query word finds an entry, best first.
constexpr int kSameLaunch = 100;
constexpr int kLaunchBeginning = 80;
constexpr int kSameWord = 70;
constexpr int kWordBeginning = 60;
constexpr int kInitials = 50;
constexpr int kLaunchInOrder = 40;
constexpr int kInPhrase = 30;
constexpr int kSlip = 20;
// A slip is forgiven only in words this long: shorter ones find too much.
constexpr std::size_t kSlipMinLength = 4;

std::u32string LowerCodePoints(std::string_view text) {
  std::u32string lower;
  for (std::size_t pos = 0; pos < text.size();) lower += LowerCodePoint(NextCodePoint(text, pos));
  return lower;
}

bool IsWordCodePoint(char32_t c) { return (c >= '0' && c <= '9') || IsWordLetter(c); }

std::vector<std::u32string> WordsOf(const std::u32string& text) {
  std::vector<std::u32string> words;
  std::u32string word;
  for (const char32_t c : text) {
    if (IsWordCodePoint(c)) {
      word += c;
    } else if (!word.empty()) {
      words.push_back(std::exchange(word, {}));
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

bool InOrderAmong(std::u32string_view wanted, std::u32string_view text) {
  std::size_t at = 0;
  for (const char32_t c : text) {
    if (at < wanted.size() && wanted[at] == c) ++at;
  }
  return at == wanted.size();
}

// One letter wrong, missing, extra, or two neighbours swapped.
bool WithinOneSlip(std::u32string_view a, std::u32string_view b) {
  if (a.size() > b.size()) std::swap(a, b);
  if (b.size() - a.size() > 1) return false;
  std::size_t first = 0;
  while (first < a.size() && a[first] == b[first]) ++first;
  if (first == a.size()) return true;
  if (a.size() == b.size()) {
    if (a.substr(first + 1) == b.substr(first + 1)) return true;
    return first + 1 < a.size() && a[first] == b[first + 1] && a[first + 1] == b[first] &&
           a.substr(first + 2) == b.substr(first + 2);
  }
  return a.substr(first) == b.substr(first + 1);
}

using SearchedEntry = EntryRanking::Searched;

SearchedEntry SearchedFrom(const PickableEntry& entry) {
  SearchedEntry searched;
  searched.launch = LowerCodePoints(entry.launch_keys);
  searched.phrase = LowerCodePoints(entry.phrase);
  searched.words = WordsOf(searched.phrase);
  for (const std::u32string& word : searched.words) searched.initials += word.front();
  return searched;
}

std::optional<int> Score(const SearchedEntry& entry, std::u32string_view term) {
  if (entry.launch == term) return kSameLaunch;
  if (entry.launch.starts_with(term)) return kLaunchBeginning;
  int best = 0;
  for (const std::u32string& word : entry.words) {
    if (word == term) return kSameWord;
    if (word.starts_with(term)) best = std::max(best, kWordBeginning);
    if (term.size() >= kSlipMinLength &&
        (WithinOneSlip(word, term) ||
         WithinOneSlip(std::u32string_view(word).substr(0, term.size()), term))) {
      best = std::max(best, kSlip);
    }
  }
  if (best == 0 && term.size() > 1 && entry.initials.starts_with(term)) best = kInitials;
  if (best < kLaunchInOrder && InOrderAmong(term, entry.launch)) best = kLaunchInOrder;
  if (best < kInPhrase && entry.phrase.find(term) != std::u32string::npos) best = kInPhrase;
  if (best == 0) return std::nullopt;
  return best;
}

}  // namespace

EntryRanking::EntryRanking(std::span<const PickableEntry> entries) {
  entries_.reserve(entries.size());
  for (const PickableEntry& entry : entries) entries_.push_back(SearchedFrom(entry));
}

std::vector<std::size_t> EntryRanking::Rank(std::string_view query) const {
  // Split at spaces only: launch letters may hold punctuation.
  std::vector<std::u32string> terms;
  for (const std::string& term : SplitTrimmed(query, " ")) terms.push_back(LowerCodePoints(term));
  std::vector<std::pair<int, std::size_t>> found;  // score, index
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    int total = 0;
    bool every_term = true;
    for (const std::u32string& term : terms) {
      const std::optional<int> score = Score(entries_[i], term);
      if (!score) {
        every_term = false;
        break;
      }
      total += *score;
    }
    if (every_term) found.emplace_back(total, i);
  }
  std::stable_sort(found.begin(), found.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<std::size_t> ranked;
  ranked.reserve(found.size());
  for (const auto& [score, index] : found) ranked.push_back(index);
  return ranked;
}

std::vector<std::size_t> RankEntries(std::span<const PickableEntry> entries,
                                     std::string_view query) {
  return EntryRanking(entries).Rank(query);
}

}  // namespace keyloom
