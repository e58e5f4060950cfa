#include "completion/candidate_merge.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace keyloom {
namespace {

using testing::ElementsAre;

TEST(CandidateMergeTest, KeepsTheSourcesOrderAndEachWordOnce) {
  const std::vector<std::vector<std::string_view>> sources = {
      {"Hello", "helium"}, {}, {"hello", "help", "Helium", "helm"}};
  EXPECT_THAT(MergeCandidates(sources, 10), ElementsAre("Hello", "helium", "help", "helm"));
  EXPECT_THAT(MergeCandidates(sources, 3), ElementsAre("Hello", "helium", "help"));
  EXPECT_THAT(MergeCandidates({}, 3), testing::IsEmpty());
}

TEST(CandidateMergeTest, ItemsWithPrefixFindsEveryCaseOfThePrefix) {
  // In the one case-insensitive order, "Hel" sorts before "hel".
  const std::vector<std::string> sorted = {"apple", "Hel", "hel", "Help", "helper", "hex", "zoo"};
  struct Case {
    const char* prefix;
    std::size_t limit;
    std::vector<std::string_view> expected;
  };
  const Case cases[] = {
      {"hel", 10, {"Hel", "hel", "Help", "helper"}},
      {"HELP", 10, {"Help", "helper"}},
      {"hel", 2, {"Hel", "hel"}},
      {"z", 10, {"zoo"}},
      {"zz", 10, {}},
      {"", 2, {"apple", "Hel"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ItemsWithPrefix(sorted, c.prefix, c.limit), c.expected) << c.prefix;
  }
}

}  // namespace
}  // namespace keyloom
