#include "completion/learned_phrases.h"

#include <algorithm>

#include "completion/count_lines.h"
#include "completion/learned_words.h"
#include "platform/key_char.h"
#include "platform/text.h"

namespace keyloom {
namespace {

// Letters, with apostrophes and hyphens inside a word; not digits only.
bool IsPhraseWord(std::string_view word) {
  if (word.empty() || !IsValidUtf8(word)) return false;
  std::size_t pos = 0;
  while (pos < word.size()) {
    const char32_t c = NextCodePoint(word, pos);
    if (!IsWordLetter(c) && c != '\'' && c != '-') return false;
  }
  return true;
}

}  // namespace

std::vector<std::string> LearnedPhrases::Keys(const WordContext& context) {
  std::vector<std::string> keys;
  const std::vector<std::string>& words = context.words;
  if (words.empty()) return keys;
  if (words.size() >= 2) keys.push_back(words[words.size() - 2] + ' ' + words.back());
  keys.push_back(words.back());
  return keys;
}

bool LearnedPhrases::CountUse(const WordContext& context, std::string_view word) {
  const std::vector<std::string> keys = Keys(context);
  if (keys.empty() || !IsPhraseWord(word)) return false;
  for (const std::string& context_word : context.words) {
    if (!IsPhraseWord(context_word)) return false;
  }
  for (const std::string& key : keys) Add(key, word, 1);
  return true;
}

void LearnedPhrases::Add(const std::string& key, std::string_view word, int uses) {
  if (size_ >= kMaxPhrases) MakeRoom();
  std::vector<Follower>& followers = followers_[key];
  const std::string lower = ToLower(word);
  const auto known = std::find_if(followers.begin(), followers.end(),
                                  [&](const Follower& f) { return f.lower == lower; });
  if (known != followers.end()) {
    known->spelling = std::string(word);
    known->uses = AddCounts(known->uses, uses);
    return;
  }
  if (followers.size() >= kMaxFollowers) {
    const auto least =
        std::min_element(followers.begin(), followers.end(),
                         [](const Follower& a, const Follower& b) { return a.uses < b.uses; });
    followers.erase(least);
    --size_;
  }
  followers.push_back({lower, std::string(word), uses});
  ++size_;
}

void LearnedPhrases::MakeRoom() {
  std::vector<int> uses;
  uses.reserve(size_);
  for (const auto& [key, followers] : followers_) {
    for (const Follower& f : followers) uses.push_back(f.uses);
  }
  const auto tenth = uses.begin() + static_cast<std::ptrdiff_t>(uses.size() / 10);
  std::nth_element(uses.begin(), tenth, uses.end());
  const int least = *tenth;
  for (auto it = followers_.begin(); it != followers_.end();) {
    std::vector<Follower>& followers = it->second;
    const std::size_t before = followers.size();
    std::erase_if(followers, [&](const Follower& f) { return f.uses <= least; });
    size_ -= before - followers.size();
    it = followers.empty() ? followers_.erase(it) : std::next(it);
  }
}

std::vector<std::string_view> LearnedPhrases::Lookup(const WordContext& context,
                                                     std::string_view prefix,
                                                     std::size_t limit) const {
  std::vector<std::string_view> words;
  for (const std::string& key : Keys(context)) {
    const auto found = followers_.find(key);
    if (found == followers_.end()) continue;
    std::vector<const Follower*> matching;
    for (const Follower& f : found->second) {
      if (StartsWithNoCase(f.spelling, prefix)) matching.push_back(&f);
    }
    std::stable_sort(matching.begin(), matching.end(),
                     [](const Follower* a, const Follower* b) { return a->uses > b->uses; });
    for (const Follower* f : matching) {
      if (words.size() == limit) return words;
      if (std::find(words.begin(), words.end(), f->spelling) == words.end()) {
        words.emplace_back(f->spelling);
      }
    }
  }
  return words;
}

bool LearnedPhrases::Forget(const WordContext& context, std::string_view word) {
  const std::string lower = ToLower(word);
  bool forgotten = false;
  for (const std::string& key : Keys(context)) {
    const auto found = followers_.find(key);
    if (found == followers_.end()) continue;
    const std::size_t before = found->second.size();
    std::erase_if(found->second, [&](const Follower& f) { return f.lower == lower; });
    size_ -= before - found->second.size();
    forgotten = forgotten || found->second.size() != before;
    if (found->second.empty()) followers_.erase(found);
  }
  return forgotten;
}

void LearnedPhrases::Clear() {
  followers_.clear();
  size_ = 0;
}

std::string LearnedPhrases::Serialize() const {
  std::string text;
  for (const auto& [key, followers] : followers_) {
    for (const Follower& f : followers) {
      if (f.uses < LearnedWords::kMinUses) continue;
      text += std::to_string(f.uses);
      text += '\t';
      text += key;
      text += ' ';
      text += f.spelling;
      text += '\n';
    }
  }
  return text;
}

void LearnedPhrases::Parse(std::string_view text) {
  ForEachCountLine(text, [&](int uses, std::string_view phrase) {
    const std::size_t last_space = phrase.rfind(' ');
    if (last_space == std::string_view::npos) return;
    const std::string_view key = phrase.substr(0, last_space);
    const std::string_view word = phrase.substr(last_space + 1);
    const std::size_t inner_space = key.find(' ');
    const bool two_words = inner_space != std::string_view::npos;
    if (two_words && key.find(' ', inner_space + 1) != std::string_view::npos) return;
    const bool words_ok =
        IsPhraseWord(word) && (two_words ? IsPhraseWord(key.substr(0, inner_space)) &&
                                               IsPhraseWord(key.substr(inner_space + 1))
                                         : IsPhraseWord(key));
    if (words_ok && ToLower(key) == key) Add(std::string(key), word, uses);
  });
}

}  // namespace keyloom
