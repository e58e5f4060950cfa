#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace keyloom {

// A list of word candidates that the system shows at the text cursor, such as an input
// method's.
class CandidateList {
 public:
  virtual ~CandidateList() = default;
  // Shows `words` in order with `selected` highlighted; none hides the words only.
  virtual void Show(const std::vector<std::string>& words, int selected) = 0;
  // A line above the words (what the user typed to find them); empty for none. Shown from the
  // next Show on, and until Hide.
  virtual void SetHeading(std::string_view /*heading*/) {}
  virtual void Hide() = 0;
};

}  // namespace keyloom
