#pragma once

#include <string>
#include <vector>

namespace keyloom {

// A list of word candidates that the system shows at the text cursor, such as an input
// method's.
class CandidateList {
 public:
  virtual ~CandidateList() = default;
  // Shows `words` in order with `selected` highlighted.
  virtual void Show(const std::vector<std::string>& words, int selected) = 0;
  virtual void Hide() = 0;
};

}  // namespace keyloom
