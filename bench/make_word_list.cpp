// Writes a word list of a given number of distinct words, the same on every run and platform:
// make_word_list COUNT FILE. Letters follow their frequency in English text and lengths run
// from 2 to 13, so that prefixes are shared as in a real dictionary; the list's order stands
// for the frequency rank.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <string_view>
#include <unordered_set>

namespace {

// Letters repeated by their frequency per thousand letters of English text, roughly.
std::string WeightedLetters() {
  constexpr std::string_view kLetters = "etaoinshrdlcumwfgypbvkjxqz";
  constexpr int kWeights[] = {127, 91, 82, 75, 70, 67, 63, 61, 60, 43, 40, 28, 28,
                              24,  24, 22, 20, 20, 19, 15, 10, 8,  2,  2,  1,  1};
  std::string letters;
  for (std::size_t i = 0; i < kLetters.size(); ++i) letters.append(kWeights[i], kLetters[i]);
  return letters;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_word_list COUNT FILE\n";
    return 2;
  }
  const std::size_t count = std::strtoull(argv[1], nullptr, 10);
  std::ofstream out(argv[2], std::ios::binary);
  const std::string letters = WeightedLetters();
  // mt19937's output is fixed by the standard; the distributions are not, so none is used.
  std::mt19937 random(20261207);
  std::unordered_set<std::string> seen;
  while (seen.size() < count) {
    std::string word(2 + random() % 12, ' ');
    for (char& c : word) c = letters[random() % letters.size()];
    if (seen.insert(word).second) out << word << '\n';
  }
  return out.good() ? 0 : 1;
}
