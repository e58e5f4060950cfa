#include "completion/completion_settings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "keyloom/keyloom_window_design.h"
#include "platform/fake/fake_platform.h"
#include "shell/fake/fake_shell.h"

namespace keyloom {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

struct DisplayTimeCase {
  std::string text;
  std::optional<int> milliseconds;
};

class DisplayTimeTest : public testing::TestWithParam<DisplayTimeCase> {};

TEST_P(DisplayTimeTest, ReadsSecondsUpToADay) {
  EXPECT_EQ(ParseDisplayTimeMs(GetParam().text), GetParam().milliseconds) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DisplayTimeTest,
    testing::Values(DisplayTimeCase{"5", 5000}, DisplayTimeCase{"2.5", 2500},
                    DisplayTimeCase{"0", 0}, DisplayTimeCase{"0.0004", 0},
                    DisplayTimeCase{"1.0006", 1001}, DisplayTimeCase{"86400", 86400000},
                    DisplayTimeCase{"86400.1", std::nullopt}, DisplayTimeCase{"-1", std::nullopt},
                    DisplayTimeCase{"1e300", std::nullopt}, DisplayTimeCase{"x", std::nullopt},
                    DisplayTimeCase{"1,5", std::nullopt}, DisplayTimeCase{"", std::nullopt}));

class NoEvents : public WindowEvents {
 public:
  void OnCommand(std::string_view /*id*/) override {}
};

class CompletionSettingsTest : public testing::Test {
 protected:
  FakeShell shell_;
  FakePlatform platform_;
  NoEvents events_;
  std::unique_ptr<Window> main_ = shell_.CreateWindow(KeyloomWindowDesign(), events_);
  FakeWindow& window_ = shell_.window("Form1");
  SuggestionPopup popup_{shell_, platform_, KeyloomPopupDesign()};
  WorkingList list_{window_, "List1"};
  CompletionSettings settings_{window_, popup_, list_, shell_.dialogs()};

  void TypeDisplayTime(std::string_view text) {
    window_.SetText("Text2", text);
    settings_.OnDisplayTimeChanged();
  }
};

TEST_F(CompletionSettingsTest, DisplayTimeStartsAtFiveSeconds) {
  EXPECT_EQ(popup_.DisplayTimeMs(), 5000);
}

TEST_F(CompletionSettingsTest, NumberSetsTheDisplayTime) {
  TypeDisplayTime("2.5");
  EXPECT_EQ(popup_.DisplayTimeMs(), 2500);
  EXPECT_THAT(shell_.dialogs().messages(), IsEmpty());
}

TEST_F(CompletionSettingsTest, ZeroKeepsThePopupUpUntilAKeyHidesIt) {
  TypeDisplayTime("0");
  popup_.ResetCandidates();
  popup_.AddCandidate("hello");
  shell_.Advance(3'600'000);
  EXPECT_TRUE(popup_.Visible());
}

TEST_F(CompletionSettingsTest, EmptyFieldWaitsSilently) {
  TypeDisplayTime("2");
  TypeDisplayTime("");
  EXPECT_EQ(popup_.DisplayTimeMs(), 2000);
  EXPECT_THAT(shell_.dialogs().messages(), IsEmpty());
}

class RefusedDisplayTimeTest : public CompletionSettingsTest,
                               public testing::WithParamInterface<std::string> {};

TEST_P(RefusedDisplayTimeTest, SaysSoOnceAndKeepsTheTimeAndTheText) {
  TypeDisplayTime("3");
  TypeDisplayTime(GetParam());
  EXPECT_EQ(popup_.DisplayTimeMs(), 3000);
  EXPECT_EQ(window_.Text("Text2"), GetParam());
  ASSERT_EQ(shell_.dialogs().messages().size(), 1u);
  EXPECT_EQ(shell_.dialogs().messages()[0].text, "Value Must be Numberic");
  EXPECT_EQ(shell_.dialogs().messages()[0].title, "Keyloom");
}

INSTANTIATE_TEST_SUITE_P(Texts, RefusedDisplayTimeTest,
                         testing::Values("x", "3x", "-1", "-0.5", "86401", "1e12"));

TEST_F(CompletionSettingsTest, EveryChangeToTextIsRefusedAgain) {
  TypeDisplayTime("a");
  TypeDisplayTime("ab");
  EXPECT_EQ(shell_.dialogs().messages().size(), 2u);
}

TEST_F(CompletionSettingsTest, AddWordTakesTheFieldAsItStandsEvenEmpty) {
  settings_.AddWord();
  window_.SetText("Text7", " Zebra ");
  settings_.AddWord();
  window_.SetText("Text7", "ab");
  settings_.AddWord();
  settings_.AddWord();
  EXPECT_THAT(list_.items(), ElementsAre("", " Zebra ", "ab", "ab"));
  EXPECT_EQ(window_.Text("Text7"), "ab");
}

TEST_F(CompletionSettingsTest, ClearListAsksAndClearsOnlyOnYes) {
  list_.Add("one");
  list_.Add("two");
  shell_.dialogs().QueueAnswer(false);
  settings_.ClearList();
  EXPECT_EQ(list_.size(), 2u);
  shell_.dialogs().QueueAnswer(true);
  settings_.ClearList();
  EXPECT_EQ(list_.size(), 0u);
  ASSERT_EQ(shell_.dialogs().questions().size(), 2u);
  EXPECT_EQ(shell_.dialogs().questions()[0].text, "Are you sure you want to clear the list?");
  EXPECT_EQ(shell_.dialogs().questions()[0].title, "Keyloom");
}

struct MinLengthCase {
  std::string field;
  long long length;
};

class MinWordLengthTest : public CompletionSettingsTest,
                          public testing::WithParamInterface<MinLengthCase> {};

TEST_P(MinWordLengthTest, ReadsTheFieldForTheListReader) {
  window_.SetText("Text8", GetParam().field);
  EXPECT_EQ(ReadMinWordLength(window_), GetParam().length) << GetParam().field;
}

// A fractional minimum is reached only by the next whole length.
INSTANTIATE_TEST_SUITE_P(Fields, MinWordLengthTest,
                         testing::Values(MinLengthCase{"4", 4}, MinLengthCase{"0", 0},
                                         MinLengthCase{"2.5", 3}, MinLengthCase{"-3", -3},
                                         MinLengthCase{"1e300", 1'000'000'000'000'000LL},
                                         MinLengthCase{"abc", 4}, MinLengthCase{"", 4}));

}  // namespace
}  // namespace keyloom
