#include "completion/language_model.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "completion/language_model_counts.h"

namespace keyloom {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// "the" is the most used word, yet "cat" follows "the" and "black cat" leads to "sat".
constexpr std::string_view kCounts =
    "# a small model\n"
    "100\tthe\n"
    "60\tsat\n"
    "50\tsaw\n"
    "40\tcat\n"
    "30\tblack\n"
    "20\tsay\n"
    "10\tI\n"
    "8\tthe cat\n"
    "1\tthe say\n"
    "6\tcat saw\n"
    "3\tcat sat\n"
    "4\tblack cat sat\n"
    "9\t<s> I\n"
    "5\t<s> I saw\n";

LanguageModel Model(std::string_view counts = kCounts) {
  std::string error;
  std::optional<LanguageModelData> data = BuildLanguageModel(counts, error);
  EXPECT_TRUE(data.has_value()) << error;
  return LanguageModel::FromData(std::move(*data));
}

std::vector<std::string> Predict(const LanguageModel& model, WordContext context,
                                 std::string_view prefix, std::size_t limit = 3) {
  const std::vector<std::string_view> words = model.Predict(context, prefix, limit);
  return {words.begin(), words.end()};
}

WordContext After(std::vector<std::string> words, bool sentence_start = false) {
  return {std::move(words), sentence_start};
}

TEST(LanguageModelTest, RanksByTheLongestContextItKnows) {
  const LanguageModel model = Model();
  struct Case {
    const char* what;
    WordContext context;
    std::string_view prefix;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"nothing known: by use", After({}), "s", {"sat", "saw", "say"}},
      {"after a word: its followers first", After({"cat"}), "s", {"saw", "sat", "say"}},
      {"after two words: their followers first",
       After({"black", "cat"}),
       "s",
       {"sat", "saw", "say"}},
      {"unknown words back off to fewer", After({"green", "cat"}), "s", {"saw", "sat", "say"}},
      {"an unknown last word backs off to use",
       After({"black", "dog"}),
       "s",
       {"sat", "saw", "say"}},
      {"no prefix predicts the next word", After({"the"}), "", {"cat", "the", "say"}},
      {"a sentence's first word", After({}, true), "", {"I", "the", "sat"}},
      {"a sentence's second word", After({"i"}, true), "", {"saw", "the", "sat"}},
      {"the prefix ignores case", After({"cat"}), "SA", {"saw", "sat", "say"}},
      {"nothing begins so", After({"cat"}), "x", {}},
  };
  for (const Case& c : cases) {
    EXPECT_THAT(Predict(model, c.context, c.prefix), ElementsAreArray(c.expected)) << c.what;
  }
}

TEST(LanguageModelTest, OffersAtMostTheLimit) {
  const LanguageModel model = Model();
  EXPECT_THAT(Predict(model, After({}), "", 2), ElementsAre("the", "sat"));
  EXPECT_THAT(Predict(model, After({}), "", 0), IsEmpty());
  EXPECT_EQ(Predict(model, After({}), "", 100).size(), model.size());
}

TEST(LanguageModelTest, FindsWordsWithoutRegardToCase) {
  const LanguageModel model = Model();
  EXPECT_EQ(model.WordNumber("i"), model.WordNumber("I"));
  EXPECT_TRUE(model.WordNumber("CAT").has_value());
  EXPECT_FALSE(model.WordNumber("ca").has_value());
  EXPECT_FALSE(model.WordNumber("cats").has_value());
  EXPECT_FALSE(model.WordNumber("").has_value());
}

TEST(LanguageModelTest, ReadsBackWhatItWrote) {
  std::string error;
  const std::string file = EncodeLanguageModel(BuildLanguageModel(kCounts, error).value());
  const std::optional<LanguageModel> model = LanguageModel::Open(file);
  ASSERT_TRUE(model.has_value());
  EXPECT_THAT(Predict(*model, After({"black", "cat"}), "s"), ElementsAre("sat", "saw", "say"));
}

TEST(LanguageModelTest, RefusesDamagedFiles) {
  std::string error;
  const std::string file = EncodeLanguageModel(BuildLanguageModel(kCounts, error).value());
  for (std::size_t size = 0; size < file.size(); ++size) {
    EXPECT_FALSE(LanguageModel::Open(file.substr(0, size)).has_value()) << size;
  }
  EXPECT_FALSE(LanguageModel::Open(file + "x").has_value());
  // A follower number past the vocabulary, in the last triple.
  std::string bad = file;
  bad[bad.size() - 8] = '\x7F';
  EXPECT_FALSE(LanguageModel::Open(bad).has_value());
}

TEST(LanguageModelCountsTest, AddsUpSpellingsAndDropsWhatItCannotPlace) {
  const LanguageModel model = Model(
      "3\tApple\n"
      "5\tapple\n"
      "2\tpie\n"
      "4\tapple pie\n"
      "7\tapple tart\n"
      "7\tgreen apple pie\n");
  EXPECT_EQ(model.size(), 2u);
  EXPECT_THAT(Predict(model, After({}), ""), ElementsAre("apple", "pie"));
  EXPECT_THAT(Predict(model, After({"APPLE"}), ""), ElementsAre("pie", "apple"));
}

TEST(LanguageModelCountsTest, SaysWhichLineItCannotRead) {
  const std::vector<std::string_view> bad = {
      "x\tword\n", "0\tword\n",    "5 word\n",  "5\t\n",      "5\tword \n",
      "5\ta  b\n", "5\ta b c d\n", "5\t\xff\n", "-1\tword\n", "99999999999999999999999\tword\n",
  };
  for (std::string_view text : bad) {
    std::string error;
    EXPECT_FALSE(BuildLanguageModel(std::string("1\tfine\n") + std::string(text), error)) << text;
    EXPECT_THAT(error, HasSubstr("line 2")) << text;
  }
}

}  // namespace
}  // namespace keyloom
