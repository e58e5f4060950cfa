#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "completion/suggestion_popup.h"
#include "keyloom/keyloom_window_design.h"
#include "platform/fake/fake_candidate_list.h"
#include "platform/fake/fake_platform.h"
#include "shell/candidate_list_shell.h"
#include "shell/fake/fake_shell.h"

namespace keyloom {
namespace {

// Keyloom's pop-up on a shell whose pop-ups are the input method's candidate list.
class CandidateListPopupTest : public testing::Test {
 protected:
  void Offer(const std::vector<std::string>& words) {
    popup_.ResetCandidates();
    for (const std::string& word : words) popup_.AddCandidate(word);
    fake_shell_.Advance(1);  // the event is over
  }

  FakeCandidateList list_;
  std::unique_ptr<FakeShell> owned_shell_ = std::make_unique<FakeShell>();
  FakeShell& fake_shell_ = *owned_shell_;
  CandidateListShell shell_{std::move(owned_shell_), list_};
  FakePlatform platform_;
  SuggestionPopup popup_{shell_, platform_, KeyloomPopupDesign()};
};

TEST_F(CandidateListPopupTest, TheCandidatesShowInTheListInTheirOrderOnceThePopupShows) {
  Offer({"help", "Hello", "held"});
  EXPECT_EQ(list_.words(), (std::vector<std::string>{"held", "Hello", "help"}));
  EXPECT_EQ(list_.selected(), 0);
  // Added one by one, they went to the list once, when the event was over.
  EXPECT_EQ(list_.updates(), 1);
  EXPECT_FALSE(fake_shell_.HasWindow(KeyloomPopupDesign().id));
}

TEST_F(CandidateListPopupTest, SelectionAndHidingFollowThePopup) {
  Offer({"held", "hello", "help"});
  ASSERT_TRUE(popup_.MoveSelection(SuggestionPopup::Direction::kDown));
  fake_shell_.Advance(1);
  EXPECT_EQ(list_.selected(), 1);
  EXPECT_EQ(popup_.current_candidate(), "hello");
  EXPECT_TRUE(popup_.MoveSelection(SuggestionPopup::Direction::kUp));
  EXPECT_FALSE(popup_.MoveSelection(SuggestionPopup::Direction::kUp));
  fake_shell_.Advance(1);
  EXPECT_EQ(list_.selected(), 0);
  popup_.HidePopup();
  EXPECT_TRUE(list_.words().empty());
  // The display time ends a list that shows again.
  Offer({"held"});
  EXPECT_EQ(list_.words().size(), 1u);
  fake_shell_.Advance(SuggestionPopup::kDefaultDisplayTimeMs);
  EXPECT_TRUE(list_.words().empty());
  EXPECT_FALSE(popup_.Visible());
}

TEST_F(CandidateListPopupTest, AnEmptiedPopupHidesTheList) {
  Offer({"held"});
  popup_.ResetCandidates();
  fake_shell_.Advance(1);
  EXPECT_TRUE(list_.words().empty());
  EXPECT_TRUE(popup_.Visible());
}

}  // namespace
}  // namespace keyloom
