#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/candidate_list.h"

namespace keyloom {

// The input method's list, as the programs last showed it.
class FakeCandidateList final : public CandidateList {
 public:
  void Show(const std::vector<std::string>& words, int selected) override {
    words_ = words;
    selected_ = selected;
    ++updates_;
  }
  void SetHeading(std::string_view heading) override { heading_ = heading; }
  void Hide() override {
    words_.clear();
    heading_.clear();
    selected_ = -1;
  }
  const std::vector<std::string>& words() const { return words_; }
  const std::string& heading() const { return heading_; }
  int selected() const { return selected_; }
  int updates() const { return updates_; }

 private:
  std::vector<std::string> words_;
  std::string heading_;
  int selected_ = -1;
  int updates_ = 0;
};

}  // namespace keyloom
