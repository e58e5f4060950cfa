#include "completion/learned_words.h"

#include <algorithm>

#include "completion/count_lines.h"
#include "platform/text.h"

namespace keyloom {
namespace {

bool IsAsciiPunctuation(char c) {
  return (c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') ||
         (c >= '{' && c <= '~');
}

std::string_view TrimPunctuation(std::string_view word) {
  while (!word.empty() && IsAsciiPunctuation(word.front())) word.remove_prefix(1);
  while (!word.empty() && IsAsciiPunctuation(word.back())) word.remove_suffix(1);
  return word;
}

bool Learnable(std::string_view word) {
  if (CodePointCount(word) < LearnedWords::kMinLength) return false;
  // A hyphen joins the parts of a word; anything else splits it or is not a word at all.
  const bool has_stray = std::any_of(word.begin(), word.end(), [](char c) {
    return c == ' ' || c == '\t' || c == '\n' || (IsAsciiPunctuation(c) && c != '-');
  });
  const bool all_digits =
      std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
  return !has_stray && !all_digits && IsValidUtf8(word);
}

}  // namespace

bool LearnedWords::CountUse(std::string_view word) {
  word = TrimPunctuation(word);
  if (!Learnable(word)) return false;
  Add(word, 1);
  return true;
}

void LearnedWords::Add(std::string_view word, int uses) {
  if (words_.size() >= kMaxWords) MakeRoom();
  Entry& entry = words_[ToLower(word)];
  entry.spelling = std::string(word);
  entry.uses = AddCounts(entry.uses, uses);
}

void LearnedWords::MakeRoom() {
  std::vector<int> uses;
  uses.reserve(words_.size());
  for (const auto& [lower, entry] : words_) uses.push_back(entry.uses);
  const auto tenth = uses.begin() + static_cast<std::ptrdiff_t>(uses.size() / 10);
  std::nth_element(uses.begin(), tenth, uses.end());
  const int least = *tenth;
  std::erase_if(words_, [least](const auto& word) { return word.second.uses <= least; });
}

std::vector<std::string_view> LearnedWords::Lookup(std::string_view prefix,
                                                   std::size_t limit) const {
  const std::string lower = ToLower(prefix);
  std::vector<const Entry*> found;
  for (auto it = words_.lower_bound(lower); it != words_.end() && it->first.starts_with(lower);
       ++it) {
    if (it->second.uses >= kMinUses) found.push_back(&it->second);
  }
  // The map's order is alphabetical, so a stable sort by use keeps equals alphabetical.
  std::stable_sort(found.begin(), found.end(),
                   [](const Entry* a, const Entry* b) { return a->uses > b->uses; });
  if (found.size() > limit) found.resize(limit);
  std::vector<std::string_view> words;
  words.reserve(found.size());
  for (const Entry* entry : found) words.emplace_back(entry->spelling);
  return words;
}

bool LearnedWords::Forget(std::string_view word) { return words_.erase(ToLower(word)) > 0; }

std::string LearnedWords::Serialize() const {
  std::string text;
  for (const auto& [lower, entry] : words_) {
    if (entry.uses < kMinUses) continue;
    text += std::to_string(entry.uses);
    text += '\t';
    text += entry.spelling;
    text += '\n';
  }
  return text;
}

LearnedWords LearnedWords::Parse(std::string_view text) {
  LearnedWords learned;
  ForEachCountLine(text, [&](int uses, std::string_view word) {
    if (Learnable(word)) learned.Add(word, uses);
  });
  return learned;
}

}  // namespace keyloom
