#pragma once

#include <optional>
#include <string_view>

namespace keyloom {

// Whether a field's text "reads as a number", as the settings fields and stored values are
// judged: optional spaces, an optional sign, digits with an optional decimal point and an
// optional exponent. nullopt otherwise (empty text, letters, "1,5").
std::optional<double> ParseNumber(std::string_view text);

// A number rounded to a whole number, halves to the even number; nullopt when the text does
// not read as a number or the result lies outside [min, max].
std::optional<long long> ParseRoundedInteger(std::string_view text, long long min, long long max);

}  // namespace keyloom
