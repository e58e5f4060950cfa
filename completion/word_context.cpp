#include "completion/word_context.h"

#include <utility>

namespace keyloom {

void WordContext::Push(std::string word) {
  if (words.size() == kMaxWords) {
    words.erase(words.begin());
    // The oldest word has gone, and with it the sentence's start.
    sentence_start = false;
  }
  words.push_back(std::move(word));
}

}  // namespace keyloom
