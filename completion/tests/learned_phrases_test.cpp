#include "completion/learned_phrases.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "completion/learned_words.h"

namespace keyloom {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

WordContext After(std::vector<std::string> words) { return {std::move(words), false}; }

// A word of letters for each number.
std::string Letters(std::size_t number) {
  std::string word;
  do {
    word += static_cast<char>('a' + number % 26);
    number /= 26;
  } while (number != 0);
  return word;
}

std::vector<std::string> Lookup(const LearnedPhrases& phrases, const WordContext& context,
                                std::string_view prefix = "", std::size_t limit = 5) {
  const std::vector<std::string_view> words = phrases.Lookup(context, prefix, limit);
  return {words.begin(), words.end()};
}

TEST(LearnedPhrasesTest, OffersWordsAfterBothWordsFirstThenAfterTheLast) {
  LearnedPhrases phrases;
  EXPECT_TRUE(phrases.CountUse(After({"a", "cup"}), "of"));
  EXPECT_TRUE(phrases.CountUse(After({"the", "cup"}), "holder"));
  EXPECT_TRUE(phrases.CountUse(After({"the", "cup"}), "holder"));
  EXPECT_THAT(Lookup(phrases, After({"a", "cup"})), ElementsAre("of", "holder"));
  EXPECT_THAT(Lookup(phrases, After({"my", "cup"})), ElementsAre("holder", "of"));
  EXPECT_THAT(Lookup(phrases, After({"cup"}), "H"), ElementsAre("holder"));
  EXPECT_THAT(Lookup(phrases, After({"cup"}), "", 1), ElementsAre("holder"));
  EXPECT_THAT(Lookup(phrases, After({})), IsEmpty());
}

TEST(LearnedPhrasesTest, CountsWordsOnly) {
  LearnedPhrases phrases;
  for (const char* word : {"", "1984", "a b", "x.y", "\xff"}) {
    EXPECT_FALSE(phrases.CountUse(After({"in"}), word)) << word;
  }
  EXPECT_FALSE(phrases.CountUse(After({}), "word"));
  EXPECT_TRUE(phrases.CountUse(After({"don't"}), "e-mail"));
  EXPECT_EQ(phrases.size(), 1u);
}

TEST(LearnedPhrasesTest, ForgetsAWordAfterItsContext) {
  LearnedPhrases phrases;
  phrases.CountUse(After({"a", "cup"}), "of");
  phrases.CountUse(After({"cup"}), "holder");
  EXPECT_TRUE(phrases.Forget(After({"a", "cup"}), "OF"));
  EXPECT_FALSE(phrases.Forget(After({"a", "cup"}), "of"));
  EXPECT_THAT(Lookup(phrases, After({"a", "cup"})), ElementsAre("holder"));
}

TEST(LearnedPhrasesTest, KeepsItsRoomBoundedByForgettingTheLeastUsed) {
  LearnedPhrases phrases;
  phrases.CountUse(After({"often"}), "used");
  phrases.CountUse(After({"often"}), "used");
  for (std::size_t i = 0; i < LearnedPhrases::kMaxPhrases + 10; ++i) {
    EXPECT_TRUE(phrases.CountUse(After({Letters(i / 100)}), Letters(i % 100)));
  }
  EXPECT_LE(phrases.size(), LearnedPhrases::kMaxPhrases);
  EXPECT_THAT(Lookup(phrases, After({"often"})), ElementsAre("used"));
  for (std::size_t i = 0; i < LearnedPhrases::kMaxFollowers + 5; ++i) {
    phrases.CountUse(After({"busy"}), Letters(i));
  }
  EXPECT_EQ(Lookup(phrases, After({"busy"}), "", 1000).size(), LearnedPhrases::kMaxFollowers);
}

TEST(LearnedPhrasesTest, ReadsBackWhatItWroteAndSkipsWhatIsNoPhrase) {
  LearnedPhrases phrases;
  phrases.CountUse(After({"a", "cup"}), "Of");
  LearnedPhrases read;
  read.Parse(phrases.Serialize() + "3\tword\nx\ta b\n2\ta b c d\n0\ta b\n4\tA b\n2\ta\tb\n");
  EXPECT_EQ(read.Serialize(), phrases.Serialize());
  // The learned words, which share the file, leave the phrase lines alone.
  EXPECT_TRUE(LearnedWords::Parse(phrases.Serialize()).empty());
}

}  // namespace
}  // namespace keyloom
