#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "completion/word_store_file.h"

// The file of a language model: how often each word of a vocabulary is used, and how often it
// follows one word or a pair of words. All numbers are little-endian 32-bit.
//
//   "KLMODEL" 0x1A | version
//   | the vocabulary as a word store holds its rows (EncodeWordRows), most used first
//   | n use counts, one per word, never increasing
//   | n + 2 starts of the words that follow each word and the sentence start (context n)
//   | the followers: word, count, the most frequent first within a context
//   | k pair contexts (first, second), strictly increasing; first may be the sentence start
//   | k + 1 starts | their followers, as above
//
// The model is public data derived from public texts, so unlike the word store it is not
// sealed: nothing in it is secret, and the reader checks every bound and order itself.
namespace keyloom {

// A word that follows a context, and how often it does.
struct Follower {
  std::uint32_t word = 0;
  std::uint32_t count = 0;
  friend bool operator==(const Follower&, const Follower&) = default;
};

struct ContextPair {
  std::uint32_t first = 0;  // the word before the last, or the sentence start
  std::uint32_t second = 0;
  friend auto operator<=>(const ContextPair&, const ContextPair&) = default;
};

struct LanguageModelData {
  WordTable words;
  std::vector<std::uint32_t> counts;
  // Followers of word c (and of the sentence start, c = words.size()) are
  // followers[starts[c]] up to followers[starts[c + 1]].
  std::vector<std::uint32_t> pair_starts;
  std::vector<Follower> pair_followers;
  std::vector<ContextPair> triple_contexts;
  std::vector<std::uint32_t> triple_starts;
  std::vector<Follower> triple_followers;
};

// Vocabularies beyond this size are refused, so that word numbers and the sentence start fit.
inline constexpr std::uint32_t kMaxModelWords = 1u << 24;

std::string EncodeLanguageModel(const LanguageModelData& model);
// nullopt when `bytes` is not a model file or breaks any rule of the format.
std::optional<LanguageModelData> DecodeLanguageModel(std::string_view bytes);

}  // namespace keyloom
