#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/key_action.h"

namespace keyloom {

// A value that the user gives before a phrase is sent: "%(input=Name)%" asks for any text,
// "%(choice=Name|one|two)%" for one of the choices.
struct FillInField {
  std::string name;
  std::vector<std::string> choices;  // empty: free text
  friend bool operator==(const FillInField&, const FillInField&) = default;
};

// A send string asks for at most this many fields; further fill-in macros stay as they are.
inline constexpr std::size_t kMaxFillInFields = 32;

// The fields that `send_string` asks for, in the order of their first use; a name used again is
// the same field (its first choices count).
std::vector<FillInField> FillInFieldsOf(std::string_view send_string);

// The send string with each fill-in macro replaced by its field's mark, a character that no
// macro or key string reads, so that the values go in as typed once the phrase is expanded.
std::string MarkFillIns(std::string_view send_string);

// The marks in `text` (a phrase as pasted) or `actions` (as typed) replaced by the values,
// which are given in the order of FillInFieldsOf.
std::string FillMarks(std::string_view text, const std::vector<std::string>& values);
KeyActions FillMarks(const KeyActions& actions, const std::vector<std::string>& values);

}  // namespace keyloom
