#include "shell/numbers.h"

#include <charconv>
#include <cmath>
#include <string>

#include "platform/text.h"

namespace keyloom {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Skips a run of digits from `pos`; returns how many there were.
std::size_t SkipDigits(std::string_view text, std::size_t& pos) {
  const std::size_t start = pos;
  while (pos < text.size() && IsDigit(text[pos])) ++pos;
  return pos - start;
}

// True when `text` is exactly: [sign] digits [. digits] [e|E [sign] digits], with at least
// one digit before the exponent.
bool HasNumberShape(std::string_view text) {
  std::size_t pos = 0;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  std::size_t mantissa_digits = SkipDigits(text, pos);
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    mantissa_digits += SkipDigits(text, pos);
  }
  if (mantissa_digits == 0) return false;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    if (SkipDigits(text, pos) == 0) return false;
  }
  return pos == text.size();
}

// Rounds halves to the even neighbour without depending on the floating-point environment.
double RoundHalfToEven(double value) {
  const double floor = std::floor(value);
  const double fraction = value - floor;
  if (fraction > 0.5) return floor + 1;
  if (fraction < 0.5) return floor;
  return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
  std::string_view body = TrimSpaces(text);
  if (!HasNumberShape(body)) return std::nullopt;
  // from_chars takes no leading plus sign.
  if (body.front() == '+') body.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), value);
  // A value that a double cannot hold does not read as a number.
  if (error != std::errc() || end != body.data() + body.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::optional<long long> ParseRoundedInteger(std::string_view text, long long min, long long max) {
  const std::optional<double> number = ParseNumber(text);
  if (!number) return std::nullopt;
  const double rounded = RoundHalfToEven(*number);
  // 2^63 bounds what converts to long long; the double forms of min and max may round up to it.
  constexpr double kLimit = 9223372036854775808.0;
  if (rounded >= kLimit || rounded < -kLimit) return std::nullopt;
  const auto whole = static_cast<long long>(rounded);
  if (whole < min || whole > max) return std::nullopt;
  return whole;
}

}  // namespace keyloom
