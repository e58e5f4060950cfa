#include "tools/wordstore/word_list.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace keyloom {
namespace {

using ::testing::ElementsAre;

TEST(WordListTest, OneEntryALineInTheListsOrder) {
  const WordList list = ParseWordList("the\nof\nand\n");
  EXPECT_THAT(list.words, ElementsAre("the", "of", "and"));
  EXPECT_EQ(list.duplicates, 0u);
  EXPECT_EQ(list.bad_line, 0u);
}

TEST(WordListTest, DropsMarkLineEndsSpacesAndEmptyLines) {
  const WordList list = ParseWordList(
      "\xEF\xBB\xBF"
      "café\r\n\r\n  ice cream \nlast");
  EXPECT_THAT(list.words, ElementsAre("café", "ice cream", "last"));
}

TEST(WordListTest, KeepsTheFirstOfRepeatedEntriesButEveryCaseSpelling) {
  const WordList list = ParseWordList("one\nOne\ntwo\none\ntwo \n");
  EXPECT_THAT(list.words, ElementsAre("one", "One", "two"));
  EXPECT_EQ(list.duplicates, 2u);
}

TEST(WordListTest, NamesTheFirstLineThatIsNotUtf8) {
  const WordList list = ParseWordList("good\n\nbad \xE9t\xE9\nworse \xFF\n");
  EXPECT_EQ(list.bad_line, 3u);
  EXPECT_TRUE(list.words.empty());
}

}  // namespace
}  // namespace keyloom
