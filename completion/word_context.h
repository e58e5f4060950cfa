#pragma once

#include <string>
#include <vector>

namespace keyloom {

// What came before the word being typed, as far as Keyloom saw it.
struct WordContext {
  static constexpr std::size_t kMaxWords = 2;

  // The previous words of the sentence, lower case, oldest first, at most kMaxWords.
  std::vector<std::string> words;
  // Whether `words` begin a sentence (with no words: the next word does). When false and
  // `words` is empty, nothing is known of what came before.
  bool sentence_start = true;

  // The context after `word` (lower case).
  void Push(std::string word);
  void StartSentence() { *this = WordContext(); }
  void Forget() { *this = {{}, false}; }
  // The next word begins a sentence.
  bool AtSentenceStart() const { return words.empty() && sentence_start; }
};

}  // namespace keyloom
