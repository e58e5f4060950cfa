#include "completion/word_store_range_min.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace keyloom {
namespace {

std::vector<std::uint32_t> SmallestByScan(const std::vector<std::uint32_t>& values,
                                          std::uint32_t first, std::uint32_t last,
                                          std::size_t count) {
  std::vector<std::uint32_t> part(values.begin() + first, values.begin() + last);
  std::sort(part.begin(), part.end());
  part.resize(std::min(count, part.size()));
  return part;
}

std::vector<std::uint32_t> Smallest(const RangeMinimum& minimum, std::uint32_t first,
                                    std::uint32_t last, std::size_t count) {
  std::vector<std::uint32_t> found;
  minimum.VisitSmallest(first, last, count, [&](std::uint32_t value) { found.push_back(value); });
  return found;
}

// Sizes around the block length of 32 and the powers of two of the block table.
class RangeMinimumTest : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(RangeMinimumTest, AgreesWithAScanOnRandomRanges) {
  const std::uint32_t size = GetParam();
  std::mt19937 random(size);
  std::vector<std::uint32_t> values(size);
  std::iota(values.begin(), values.end(), 0u);
  std::shuffle(values.begin(), values.end(), random);
  const RangeMinimum minimum(values);
  ASSERT_EQ(minimum.values(), values);

  std::uniform_int_distribution<std::uint32_t> position(0, size - 1);
  for (int round = 0; round < 400; ++round) {
    std::uint32_t first = position(random);
    std::uint32_t last = position(random);
    if (first > last) std::swap(first, last);
    ++last;
    const std::uint32_t at = minimum.ArgMin(first, last);
    ASSERT_GE(at, first);
    ASSERT_LT(at, last);
    ASSERT_EQ(values[at], *std::min_element(values.begin() + first, values.begin() + last))
        << first << ".." << last;
    for (std::size_t count : {std::size_t{1}, std::size_t{7}, std::size_t{40}}) {
      ASSERT_EQ(Smallest(minimum, first, last, count), SmallestByScan(values, first, last, count))
          << first << ".." << last << " count " << count;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, RangeMinimumTest,
                         ::testing::Values(1u, 2u, 31u, 32u, 33u, 64u, 65u, 100u, 1000u, 4097u));

TEST(RangeMinimumTest, VisitsNothingForAnEmptyRangeOrCountZero) {
  const RangeMinimum minimum({5, 3, 9});
  EXPECT_TRUE(Smallest(minimum, 1, 1, 3).empty());
  EXPECT_TRUE(Smallest(minimum, 0, 3, 0).empty());
  EXPECT_EQ(Smallest(minimum, 0, 3, 10), (std::vector<std::uint32_t>{3, 5, 9}));
}

TEST(RangeMinimumTest, EmptyArrayIsAllowed) {
  const RangeMinimum minimum({});
  EXPECT_TRUE(Smallest(minimum, 0, 0, 5).empty());
}

}  // namespace
}  // namespace keyloom
