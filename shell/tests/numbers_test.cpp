#include "shell/numbers.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

namespace keyloom {
namespace {

struct NumberCase {
  std::string text;
  std::optional<double> value;
};

class ParseNumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(ParseNumberTest, ReadsOnlyNumbers) {
  EXPECT_EQ(ParseNumber(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseNumberTest,
    testing::Values(NumberCase{"0", 0.0}, NumberCase{"15", 15.0}, NumberCase{"  4  ", 4.0},
                    NumberCase{"-3", -3.0}, NumberCase{"+3", 3.0}, NumberCase{"2.5", 2.5},
                    NumberCase{".5", 0.5}, NumberCase{"5.", 5.0}, NumberCase{"1e3", 1000.0},
                    NumberCase{"1E+2", 100.0}, NumberCase{"25e-1", 2.5}, NumberCase{"-.25", -0.25},
                    NumberCase{"007", 7.0},
                    // Not numbers.
                    NumberCase{"", std::nullopt}, NumberCase{"   ", std::nullopt},
                    NumberCase{"yes", std::nullopt}, NumberCase{"1,5", std::nullopt},
                    NumberCase{"1.2.3", std::nullopt}, NumberCase{".", std::nullopt},
                    NumberCase{"-", std::nullopt}, NumberCase{"+-1", std::nullopt},
                    NumberCase{"1e", std::nullopt}, NumberCase{"e5", std::nullopt},
                    NumberCase{"1e+", std::nullopt}, NumberCase{"- 1", std::nullopt},
                    NumberCase{"1 2", std::nullopt}, NumberCase{"\t1", std::nullopt},
                    NumberCase{"1\n", std::nullopt}, NumberCase{"0x10", std::nullopt},
                    NumberCase{"inf", std::nullopt}, NumberCase{"nan", std::nullopt},
                    NumberCase{"1e999", std::nullopt}, NumberCase{"5a", std::nullopt}));

struct RoundCase {
  std::string text;
  long long min;
  long long max;
  std::optional<long long> value;
};

class ParseRoundedIntegerTest : public testing::TestWithParam<RoundCase> {};

TEST_P(ParseRoundedIntegerTest, RoundsHalvesToEvenAndChecksTheRange) {
  const RoundCase& c = GetParam();
  EXPECT_EQ(ParseRoundedInteger(c.text, c.min, c.max), c.value) << '"' << c.text << '"';
}

constexpr long long kMin16 = -32768;
constexpr long long kMax16 = 32767;
constexpr long long kMaxLong = std::numeric_limits<long long>::max();
constexpr long long kMinLong = std::numeric_limits<long long>::min();

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseRoundedIntegerTest,
    testing::Values(RoundCase{"3", kMin16, kMax16, 3}, RoundCase{"2.5", kMin16, kMax16, 2},
                    RoundCase{"3.5", kMin16, kMax16, 4}, RoundCase{"-2.5", kMin16, kMax16, -2},
                    RoundCase{"-3.5", kMin16, kMax16, -4}, RoundCase{"2.51", kMin16, kMax16, 3},
                    RoundCase{"0.49", kMin16, kMax16, 0}, RoundCase{"-0.5", kMin16, kMax16, 0},
                    RoundCase{"32767", kMin16, kMax16, 32767},
                    RoundCase{"32767.5", kMin16, kMax16, std::nullopt},
                    RoundCase{"-32768.4", kMin16, kMax16, -32768},
                    RoundCase{"-32769", kMin16, kMax16, std::nullopt},
                    RoundCase{"x", kMin16, kMax16, std::nullopt},
                    RoundCase{"", kMin16, kMax16, std::nullopt},
                    RoundCase{"1e30", kMinLong, kMaxLong, std::nullopt},
                    RoundCase{"-1e30", kMinLong, kMaxLong, std::nullopt},
                    RoundCase{"9.3e18", kMinLong, kMaxLong, std::nullopt}));

}  // namespace
}  // namespace keyloom
