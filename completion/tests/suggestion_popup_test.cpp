#include "completion/suggestion_popup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "keyloom/keyloom_window_design.h"
#include "platform/fake/fake_platform.h"
#include "shell/fake/fake_shell.h"

namespace keyloom {
namespace {

using testing::ElementsAre;
using Direction = SuggestionPopup::Direction;

class SuggestionPopupTest : public testing::Test {
 protected:
  FakeWindow& window() { return shell_.window(KeyloomPopupDesign().id); }

  void Offer(const std::vector<std::string>& words) {
    popup_.ResetCandidates();
    for (const std::string& word : words) popup_.AddCandidate(word);
  }

  FakeShell shell_;
  FakePlatform platform_;
  SuggestionPopup popup_{shell_, platform_, KeyloomPopupDesign()};
};

TEST_F(SuggestionPopupTest, IsCreatedOnFirstUseAndThenKept) {
  EXPECT_EQ(popup_.window(), nullptr);
  EXPECT_FALSE(popup_.Visible());
  Offer({"hello"});
  Window* first = popup_.window();
  ASSERT_NE(first, nullptr);
  Offer({"help"});
  EXPECT_EQ(popup_.window(), first);
}

TEST_F(SuggestionPopupTest, GrowsWithEveryCandidateAndSelectsTheAlphabeticallyFirst) {
  Offer({"cherry", "Apple", "banana"});
  EXPECT_EQ(window().Size().height, 1600);
  EXPECT_EQ(window().Rect("List1").height, 1800);
  EXPECT_THAT(window().ListItems("List1"), ElementsAre("Apple", "banana", "cherry"));
  EXPECT_EQ(window().SelectedListIndex("List1"), 0);
  EXPECT_EQ(popup_.current_candidate(), "Apple");
  EXPECT_TRUE(popup_.Visible());
}

TEST_F(SuggestionPopupTest, HeightIsOneConversionOfItsTwipsWhateverTheScreenRounds) {
  popup_.ResetCandidates();
  window().set_twips_per_pixel(15);  // 96 dots per inch
  std::vector<std::string> words;
  for (int i = 0; i < 15; ++i) words.push_back("word" + std::to_string(i));
  Offer(words);
  // 1000 + 15 x 200 twips is 266.7 pixels: 267, not the 262 that rounding each step gives.
  EXPECT_EQ(window().Size().height, 267 * 15);
}

TEST_F(SuggestionPopupTest, ResetShrinksAndEmptiesButKeepsVisibilityAndCandidate) {
  Offer({"hello", "help"});
  popup_.ResetCandidates();
  EXPECT_EQ(window().Size().height, 1000);
  EXPECT_TRUE(window().ListItems("List1").empty());
  EXPECT_TRUE(popup_.Visible());
  EXPECT_EQ(popup_.current_candidate(), "hello");
}

TEST_F(SuggestionPopupTest, KeepsTheWidthOfItsDesign) {
  const int width = KeyloomPopupDesign().popup_rect.width;
  Offer({"hello"});
  EXPECT_EQ(window().Size().width, width);
}

struct MoveCase {
  int start;
  Direction direction;
  bool moved;
  int end;
};

class MoveSelectionTest : public SuggestionPopupTest,
                          public testing::WithParamInterface<MoveCase> {};

TEST_P(MoveSelectionTest, MovesWithinTheList) {
  const MoveCase& c = GetParam();
  Offer({"a1", "a2", "a3"});
  window().SetSelectedListIndex("List1", c.start);
  EXPECT_EQ(popup_.MoveSelection(c.direction), c.moved);
  EXPECT_EQ(window().SelectedListIndex("List1"), c.end);
  if (c.moved) {
    EXPECT_EQ(popup_.current_candidate(), "a" + std::to_string(c.end + 1));
  }
}

INSTANTIATE_TEST_SUITE_P(Moves, MoveSelectionTest,
                         testing::Values(MoveCase{0, Direction::kDown, true, 1},
                                         MoveCase{1, Direction::kDown, true, 2},
                                         MoveCase{2, Direction::kDown, false, 2},
                                         MoveCase{2, Direction::kUp, true, 1},
                                         MoveCase{0, Direction::kUp, false, 0}));

TEST_F(SuggestionPopupTest, MouseClickSelectsTheCandidate) {
  Offer({"a1", "a2", "a3"});
  window().SelectListItem("List1", 2);
  EXPECT_EQ(popup_.current_candidate(), "a3");
}

TEST_F(SuggestionPopupTest, HidesWhenTheDisplayTimeHasPassedSinceTheLastChange) {
  Offer({"a1", "a2"});
  shell_.Advance(4000);
  ASSERT_TRUE(popup_.MoveSelection(Direction::kDown));
  shell_.Advance(4999);
  EXPECT_TRUE(popup_.Visible());
  shell_.Advance(1);
  EXPECT_FALSE(popup_.Visible());
  EXPECT_EQ(popup_.current_candidate(), "");
  // Disabled after its tick: it does not tick again.
  const int ticks = shell_.timers().timers().front()->tick_count();
  shell_.Advance(60000);
  EXPECT_EQ(shell_.timers().timers().front()->tick_count(), ticks);
}

TEST_F(SuggestionPopupTest, DisplayTimeZeroKeepsItUp) {
  popup_.SetDisplayTimeMs(0);
  Offer({"hello"});
  shell_.Advance(24 * 60 * 60 * 1000);
  EXPECT_TRUE(popup_.Visible());
}

TEST_F(SuggestionPopupTest, HideLeavesTheTimerToEmptyTheCandidateLater) {
  Offer({"hello"});
  popup_.HidePopup();
  EXPECT_FALSE(popup_.Visible());
  EXPECT_EQ(popup_.current_candidate(), "hello");
  shell_.Advance(5000);
  EXPECT_EQ(popup_.current_candidate(), "");
}

TEST_F(SuggestionPopupTest, TakesTabUpAndDownOnlyWhileShown) {
  Offer({"hello"});
  EXPECT_THAT(platform_.hook().withholdable_keys(), ElementsAre(9, 38, 40));
  popup_.HidePopup();
  EXPECT_TRUE(platform_.hook().withholdable_keys().empty());
  Offer({"hello"});
  EXPECT_THAT(platform_.hook().withholdable_keys(), ElementsAre(9, 38, 40));
  shell_.Advance(5000);
  EXPECT_TRUE(platform_.hook().withholdable_keys().empty());
}

class PopupAtCaretTest : public SuggestionPopupTest {
 protected:
  static constexpr ScreenRect kWorkArea{0, 0, 1920, 1040};

  void SetUp() override {
    popup_.SetPlacement(SuggestionPopup::Placement::kAtCaret);
    popup_.ResetCandidates();
    window().set_twips_per_pixel(15);
  }
  void CaretAt(int left, int top) {
    platform_.caret().set_place(CaretPlace{{left, top, 1, 17}, kWorkArea});
  }
  ScreenRect Frame() { return window().ScreenFrame(); }
};

TEST_F(PopupAtCaretTest, ComesUpBelowTheCaretOnceTheApplicationHasMovedIt) {
  CaretAt(500, 200);
  Offer({"hello", "help"});
  EXPECT_TRUE(popup_.Visible());
  EXPECT_FALSE(window().Visible());
  EXPECT_EQ(platform_.caret().asked(), 0);  // never while the key waits
  EXPECT_THAT(platform_.hook().withholdable_keys(), ElementsAre(9, 38, 40));
  shell_.Advance(SuggestionPopup::kCaretFollowDelayMs);
  EXPECT_TRUE(window().Visible());
  EXPECT_EQ(Frame().left, 500);
  EXPECT_EQ(Frame().top, 217);
}

TEST_F(PopupAtCaretTest, FollowsTheCaretAsTheWordGrows) {
  CaretAt(500, 200);
  Offer({"hello", "help"});
  shell_.Advance(SuggestionPopup::kCaretFollowDelayMs);
  CaretAt(508, 200);
  Offer({"help"});
  shell_.Advance(SuggestionPopup::kCaretFollowDelayMs);
  EXPECT_EQ(Frame().left, 508);
  // No word left: the empty pop-up that stays up follows too.
  CaretAt(516, 200);
  Offer({});
  shell_.Advance(SuggestionPopup::kCaretFollowDelayMs);
  EXPECT_EQ(Frame().left, 516);
  EXPECT_EQ(platform_.caret().asked(), 3);
}

TEST_F(PopupAtCaretTest, StaysAtItsDesignedPlaceWhenNothingTellsWhereTheCaretIs) {
  CaretAt(500, 200);
  Offer({"hello"});
  shell_.Advance(SuggestionPopup::kCaretFollowDelayMs);
  platform_.caret().set_place(std::nullopt);
  Offer({"help"});
  shell_.Advance(SuggestionPopup::kCaretFollowDelayMs);
  EXPECT_TRUE(window().Visible());
  EXPECT_EQ(Frame().left, 0);
  EXPECT_EQ(Frame().top, 0);
}

TEST_F(PopupAtCaretTest, HiddenBeforeItCameUpItNeverComes) {
  CaretAt(500, 200);
  Offer({"hello"});
  popup_.HidePopup();
  shell_.Advance(SuggestionPopup::kCaretFollowDelayMs);
  EXPECT_FALSE(window().Visible());
  EXPECT_EQ(platform_.caret().asked(), 0);
}

TEST_F(PopupAtCaretTest, TurnedOffItGoesBackToItsDesignedPlaceAtOnce) {
  CaretAt(500, 200);
  Offer({"hello"});
  popup_.SetPlacement(SuggestionPopup::Placement::kDesigned);
  EXPECT_TRUE(window().Visible());
  EXPECT_EQ(Frame().left, 0);
  Offer({"help"});
  shell_.Advance(SuggestionPopup::kCaretFollowDelayMs);
  EXPECT_EQ(Frame().left, 0);
}

struct CompleteCase {
  std::string candidate;
  std::string typed;
  std::string rest;
};

class CompleteWordTest : public SuggestionPopupTest,
                         public testing::WithParamInterface<CompleteCase> {};

TEST_P(CompleteWordTest, PastesTheRestAndPutsTheUsersTextBack) {
  const CompleteCase& c = GetParam();
  platform_.clipboard().set_content("kept by the user");
  Offer({c.candidate});
  popup_.CompleteWord(c.typed);
  EXPECT_FALSE(popup_.Visible());
  EXPECT_EQ(popup_.current_candidate(), "");
  EXPECT_EQ(platform_.keystrokes().TypedText(), "+{INSERT}");
  EXPECT_EQ(platform_.clipboard().content(), c.rest);
  shell_.Advance(99);
  EXPECT_EQ(platform_.clipboard().content(), c.rest);
  shell_.Advance(1);
  EXPECT_EQ(platform_.clipboard().content(), "kept by the user");
}

INSTANTIATE_TEST_SUITE_P(Rests, CompleteWordTest,
                         testing::Values(CompleteCase{"Boston", "bos", "ton"},
                                         CompleteCase{"café", "ca", "fé"},
                                         CompleteCase{"naïveté", "naïv", "eté"},
                                         CompleteCase{"hello", "", "hello"}));

TEST_F(SuggestionPopupTest, CompletingTheWholeWordPastesNothing) {
  platform_.clipboard().set_content("kept");
  Offer({"hello"});
  popup_.CompleteWord("hello");
  popup_.CompleteWord("hellos");
  EXPECT_EQ(platform_.keystrokes().send_count(), 0);
  EXPECT_TRUE(platform_.clipboard().history().empty());
  EXPECT_FALSE(popup_.Visible());
}

TEST_F(SuggestionPopupTest, QuickSecondCompletionStillRestoresTheUsersText) {
  const std::vector<FakeClipboard::Format> held = {{"image/png", "\x89PNG"}, {"text", "mine"}};
  platform_.clipboard().set_formats(held);
  Offer({"hello"});
  popup_.CompleteWord("he");
  shell_.Advance(50);
  Offer({"world"});
  popup_.CompleteWord("wo");
  shell_.Advance(99);
  EXPECT_EQ(platform_.clipboard().content(), "rld");
  shell_.Advance(1);
  EXPECT_EQ(platform_.clipboard().formats(), held);
  EXPECT_EQ(platform_.keystrokes().TypedText(), "+{INSERT}+{INSERT}");
}

struct TypedInsteadCase {
  const char* why;
  bool refuse_open;
  bool shift_insert_pastes;
};

class TypedInsteadTest : public SuggestionPopupTest,
                         public testing::WithParamInterface<TypedInsteadCase> {};

TEST_P(TypedInsteadTest, TypesTheRestAndLeavesTheClipboardAlone) {
  platform_.clipboard().set_content("mine");
  Offer({"héllo"});
  platform_.clipboard().set_refuse_open(GetParam().refuse_open);
  platform_.clipboard().set_shift_insert_pastes(GetParam().shift_insert_pastes);
  popup_.CompleteWord("h");
  EXPECT_EQ(platform_.keystrokes().TypedText(), "éllo");
  platform_.clipboard().set_refuse_open(false);
  shell_.Advance(1000);
  EXPECT_EQ(platform_.clipboard().content(), "mine");
  EXPECT_TRUE(platform_.clipboard().history().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TypedInsteadTest,
    testing::Values(TypedInsteadCase{"the clipboard cannot be opened", true, true},
                    // X terminals paste the primary selection on Shift+Insert.
                    TypedInsteadCase{"Shift+Insert may paste something else", false, false}));

}  // namespace
}  // namespace keyloom
