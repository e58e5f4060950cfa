#include "completion/word_store.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/text.h"

namespace keyloom {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

WordStore MakeStore(const std::vector<std::string>& words_in_store_order) {
  return WordStore::Open(SealWordStore(words_in_store_order, kWordStorePassword, 2).value())
      .value();
}

std::vector<std::string> Lookup(const WordStore& store, std::string_view prefix,
                                std::size_t limit) {
  const std::vector<std::string_view> rows = store.Lookup(prefix, limit);
  return {rows.begin(), rows.end()};
}

TEST(WordStoreTest, OpensOnlyWithTheStorePassword) {
  const std::string file = SealWordStore({"word"}, kWordStorePassword, 2).value();
  EXPECT_TRUE(WordStore::Open(file).has_value());
  EXPECT_FALSE(WordStore::Open(file, "another").has_value());
  EXPECT_FALSE(WordStore::Open(SealWordStore({"word"}, "another", 2).value()).has_value());
  EXPECT_FALSE(WordStore::Open("").has_value());
}

TEST(WordStoreTest, KeepsTheRowsInStoreOrder) {
  const WordStore store = MakeStore({"the", "of", "and"});
  ASSERT_EQ(store.size(), 3u);
  EXPECT_EQ(store.Row(0), "the");
  EXPECT_EQ(store.Row(2), "and");
}

TEST(WordStoreTest, ChoosesTheFirstMatchesInStoreOrder) {
  const WordStore store =
      MakeStore({"shell", "help", "held", "hello", "Helsinki", "helm", "helix", "hero"});
  EXPECT_THAT(Lookup(store, "hel", 3), ElementsAre("help", "held", "hello"));
  EXPECT_THAT(Lookup(store, "hel", 100),
              ElementsAre("help", "held", "hello", "Helsinki", "helm", "helix"));
}

TEST(WordStoreTest, LimitCapsTheRows) {
  const WordStore store = MakeStore({"abc", "abd", "abe"});
  EXPECT_THAT(Lookup(store, "ab", 0), IsEmpty());
  EXPECT_THAT(Lookup(store, "ab", 1), ElementsAre("abc"));
  EXPECT_THAT(Lookup(store, "ab", 2), ElementsAre("abc", "abd"));
  EXPECT_THAT(Lookup(store, "ab", 3), ElementsAre("abc", "abd", "abe"));
}

TEST(WordStoreTest, MatchesWithoutRegardToCaseAndKeepsTheStoreSpelling) {
  const WordStore store = MakeStore({"Paris", "parish", "PARIAH", "park"});
  EXPECT_THAT(Lookup(store, "pari", 10), ElementsAre("Paris", "parish", "PARIAH"));
  EXPECT_THAT(Lookup(store, "PARIS", 10), ElementsAre("Paris", "parish"));
  EXPECT_THAT(Lookup(store, "paris", 10), ElementsAre("Paris", "parish"));
}

TEST(WordStoreTest, MatchesNonAsciiLettersWithoutRegardToCase) {
  const WordStore store = MakeStore({"Ångström", "ångest", "Жук", "жара", "Ölbaum", "olive"});
  EXPECT_THAT(Lookup(store, "ång", 10), ElementsAre("Ångström", "ångest"));
  EXPECT_THAT(Lookup(store, "ÅNG", 10), ElementsAre("Ångström", "ångest"));
  EXPECT_THAT(Lookup(store, "ж", 10), ElementsAre("Жук", "жара"));
  EXPECT_THAT(Lookup(store, "öl", 10), ElementsAre("Ölbaum"));
  EXPECT_THAT(Lookup(store, "ol", 10), ElementsAre("olive"));
}

TEST(WordStoreTest, PrefixIsLiteralText) {
  const WordStore store =
      MakeStore({"a_b", "axb", "a[b]", "ab", "100%", "100x", "a%c", "abc", "[x]", "a*", "a.b"});
  struct Case {
    std::string_view prefix;
    std::vector<std::string> rows;
  };
  const Case cases[] = {
      {"a_", {"a_b"}}, {"a[", {"a[b]"}}, {"[", {"[x]"}}, {"100%", {"100%"}}, {"a%", {"a%c"}},
      {"%", {}},       {"_", {}},        {"a*", {"a*"}}, {"a.", {"a.b"}},    {"a?", {}},
  };
  for (const Case& test : cases) {
    EXPECT_EQ(Lookup(store, test.prefix, 20), test.rows) << test.prefix;
  }
}

TEST(WordStoreTest, EdgesOfThePrefix) {
  const WordStore store = MakeStore({"don't", "do", "dog", "Zulu"});
  EXPECT_THAT(Lookup(store, "", 2), ElementsAre("don't", "do"));
  EXPECT_THAT(Lookup(store, "don'", 5), ElementsAre("don't"));
  EXPECT_THAT(Lookup(store, "dogs", 5), IsEmpty());
  EXPECT_THAT(Lookup(store, "e", 5), IsEmpty());
  EXPECT_THAT(Lookup(store, "zz", 5), IsEmpty());
  EXPECT_THAT(Lookup(store, "a", 5), IsEmpty());
  EXPECT_THAT(Lookup(store, "zulu", 5), ElementsAre("Zulu"));
}

TEST(WordStoreTest, EmptyStoreFindsNothing) {
  const WordStore store = MakeStore({});
  EXPECT_EQ(store.size(), 0u);
  EXPECT_THAT(Lookup(store, "", 5), IsEmpty());
  EXPECT_THAT(Lookup(store, "a", 5), IsEmpty());
}

// Many words over a small alphabet with case pairs, so that prefixes share long ranges: every
// lookup must equal a scan of the store in store order.
TEST(WordStoreTest, AgreesWithAScanOfTheStore) {
  const std::vector<std::string> letters = {"a", "A", "b", "B", "é", "É", "_"};
  std::mt19937 random(7);
  std::uniform_int_distribution<std::size_t> letter(0, letters.size() - 1);
  std::uniform_int_distribution<int> length(0, 6);
  std::vector<std::string> words;
  for (int i = 0; i < 3000; ++i) {
    std::string word;
    for (int n = length(random); n > 0; --n) word += letters[letter(random)];
    words.push_back(word);
  }
  const WordStore store = MakeStore(words);

  std::vector<std::string> prefixes = {""};
  for (std::size_t i = 0; i < prefixes.size() && CodePointCount(prefixes[i]) < 3; ++i) {
    for (const std::string& next : letters) prefixes.push_back(prefixes[i] + next);
  }
  for (const std::string& prefix : prefixes) {
    for (std::size_t limit : {std::size_t{1}, std::size_t{15}, std::size_t{50}}) {
      std::vector<std::string> expected;
      for (const std::string& word : words) {
        if (expected.size() < limit && StartsWithNoCase(word, prefix)) expected.push_back(word);
      }
      ASSERT_EQ(Lookup(store, prefix, limit), expected) << prefix << " " << limit;
    }
  }
}

}  // namespace
}  // namespace keyloom
