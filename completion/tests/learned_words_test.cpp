#include "completion/learned_words.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace keyloom {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

LearnedWords UsedTimes(std::initializer_list<std::pair<const char*, int>> uses) {
  LearnedWords learned;
  for (const auto& [word, times] : uses) {
    for (int i = 0; i < times; ++i) learned.CountUse(word);
  }
  return learned;
}

TEST(LearnedWordsTest, CountsWordsButNotShortOnesNumbersOrFragments) {
  struct Case {
    const char* typed;
    bool counted;
    const char* offered;  // what a lookup of its first letters offers after three uses
  };
  const Case cases[] = {
      {"kestrel", true, "kestrel"},
      {"Kestrel,", true, "Kestrel"},  // punctuation around a word goes
      {"(über)", true, "über"},
      {"well-known", true, "well-known"},
      {"été", false, ""},   // three letters
      {"2026", false, ""},  // digits only
      {"4x4s", true, "4x4s"},
      {"don t", false, ""},         // an apostrophe becomes a space in the typed word
      {"ab.cd", false, ""},         // two words run together
      {"\xff\xfeoops", false, ""},  // not UTF-8
      {"...", false, ""},
  };
  for (const Case& c : cases) {
    LearnedWords learned;
    EXPECT_EQ(learned.CountUse(c.typed), c.counted) << c.typed;
    learned.CountUse(c.typed);
    learned.CountUse(c.typed);
    if (c.counted) {
      const std::string prefix = std::string(c.offered).substr(0, 2);
      EXPECT_THAT(learned.Lookup(prefix, 5), ElementsAre(c.offered)) << c.typed;
    } else {
      EXPECT_TRUE(learned.empty()) << c.typed;
    }
  }
}

TEST(LearnedWordsTest, OffersWordsUsedOftenEnoughMostUsedFirst) {
  const LearnedWords learned = UsedTimes(
      {{"falcon", 3}, {"falconry", 5}, {"fallow", 2}, {"falter", 3}, {"Faline", 4}, {"gopher", 9}});
  EXPECT_THAT(learned.Lookup("fal", 10), ElementsAre("falconry", "Faline", "falcon", "falter"));
  EXPECT_THAT(learned.Lookup("FAL", 2), ElementsAre("falconry", "Faline"));
  EXPECT_THAT(learned.Lookup("falco", 10), ElementsAre("falconry", "falcon"));
  EXPECT_THAT(learned.Lookup("fallo", 10), IsEmpty());  // used twice only
  EXPECT_THAT(learned.Lookup("", 1), ElementsAre("gopher"));
}

TEST(LearnedWordsTest, KeepsTheLatestSpellingAndForgetsWithoutRegardToCase) {
  LearnedWords learned = UsedTimes({{"Nagoya", 2}, {"nagoya", 1}});
  EXPECT_THAT(learned.Lookup("nag", 5), ElementsAre("nagoya"));
  EXPECT_TRUE(learned.Forget("NAGOYA"));
  EXPECT_FALSE(learned.Forget("nagoya"));
  EXPECT_TRUE(learned.empty());
}

TEST(LearnedWordsTest, SavedTextReadsBackAndBadLinesAreSkipped) {
  const LearnedWords learned = UsedTimes({{"quokka", 4}, {"Zürich", 3}, {"tapir", 1}});
  const LearnedWords read = LearnedWords::Parse(learned.Serialize());
  EXPECT_EQ(read.Serialize(), learned.Serialize());
  EXPECT_THAT(read.Lookup("z", 5), ElementsAre("Zürich"));

  const LearnedWords partly =
      LearnedWords::Parse("3\tokapi\nx\tbroken\n-4\tnegative\n3 spaced\n7\tab\n5\tmarmot");
  EXPECT_EQ(partly.size(), 2u);
  EXPECT_THAT(partly.Lookup("", 5), ElementsAre("marmot", "okapi"));
}

}  // namespace
}  // namespace keyloom
