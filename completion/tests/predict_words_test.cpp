// Predict Words through KeyloomApp on the fakes: a small store and a model of its own.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "completion/completion_options.h"
#include "completion/keyloom_app.h"
#include "completion/language_model_counts.h"
#include "completion/tests/test_word_store.h"
#include "keyloom/keyloom_window_design.h"
#include "platform/fake/fake_platform.h"
#include "shell/fake/fake_shell.h"

namespace keyloom {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;

constexpr int kComma = 188;
constexpr int kFullStop = 190;

constexpr std::string_view kCounts =
    "90\tthe\n"
    "80\tto\n"
    "70\tI\n"
    "60\twould\n"
    "50\tlike\n"
    "40\ttea\n"
    "30\twork\n"
    "20\tworld\n"
    "10\tgreen\n"
    "9\tI would\n"
    "8\twould like\n"
    "6\tlike to\n"
    "7\tI would like\n"
    "5\twould like tea\n"
    "9\t<s> I\n";

std::string ModelBytes() {
  std::string error;
  return EncodeLanguageModel(BuildLanguageModel(kCounts, error).value());
}

class PredictWordsTest : public testing::Test {
 protected:
  void Start(std::vector<std::string_view> options = {kPredictWordsItem}) {
    const std::string& program = platform_.folders().program;
    platform_.files().SetFile(
        JoinPath(program, "words.mdb"),
        SealedTestStoreBytes({"the", "to", "would", "like", "tea", "work", "world", "wonder"}));
    platform_.files().SetFile(JoinPath(program, "words.model"), ModelBytes());
    for (std::string_view item : options) shell_.settings().Set("Options", item, "1");
    app_ = std::make_unique<KeyloomApp>(shell_, platform_, KeyloomWindowDesign(),
                                        KeyloomPopupDesign());
    app_->Start();
  }
  FakeWindow& main() { return shell_.window("Form1"); }
  bool Press(int key_code, int modifiers = 0) {
    return platform_.hook().Press(key_code, modifiers);
  }
  // Letters and spaces; a capital with Shift.
  void Type(std::string_view text) {
    for (char c : text) {
      if (c == ' ') {
        EXPECT_FALSE(Press(kVkSpace));
      } else if (c >= 'A' && c <= 'Z') {
        EXPECT_FALSE(Press(c, kShiftMask));
      } else {
        EXPECT_FALSE(Press(c - 'a' + 'A'));
      }
    }
  }
  std::vector<std::string> Offered() {
    if (!app_->popup().Visible()) return {};
    return shell_.window("Form2").ListItems("List1");
  }
  // What reached the application: the keys typed, and the text pasted at each Shift+Insert.
  std::string Sent() { return platform_.keystrokes().TypedText(); }

  FakeShell shell_;
  FakePlatform platform_;
  std::unique_ptr<KeyloomApp> app_;
};

TEST_F(PredictWordsTest, IsOffUntilChosenAndShowsItsOwnThresholdWhileOn) {
  Start({});
  EXPECT_FALSE(main().MenuChecked(kPredictWordsItem));
  EXPECT_FALSE(app_->model_open());
  Type("wor ");
  EXPECT_TRUE(app_->popup().Visible()) << "a space does not end the word in the default completion";
  EXPECT_EQ(main().Text("Text9"), "3");

  main().SetText("Text9", "4");
  app_->OnCommand(kPredictWordsItem);
  EXPECT_TRUE(app_->model_open());
  EXPECT_EQ(main().Text("Text9"), "1");
  EXPECT_TRUE(shell_.window("Form2").ListNumbered("List1"));
  main().TypeText("Text9", "2");
  app_->OnCommand(kPredictWordsItem);
  EXPECT_EQ(main().Text("Text9"), "4");
  EXPECT_FALSE(shell_.window("Form2").ListNumbered("List1"));
  EXPECT_FALSE(app_->model_open());
  app_->OnCommand(kPredictWordsItem);
  EXPECT_EQ(main().Text("Text9"), "2");
}

TEST_F(PredictWordsTest, PredictsTheNextWordAndOneChordTypesItWithItsSpace) {
  Start();
  Type("I would like ");
  // After both words before it first, then after the last one, then by use.
  EXPECT_THAT(Offered(),
              ElementsAre("tea", "to", "the", "I", "would", "like", "work", "world", "green"));
  EXPECT_THAT(platform_.hook().withholdable_keys(), Contains('1'));
  EXPECT_TRUE(Press('2', kCtrlMask));
  EXPECT_EQ(platform_.clipboard().content(), "to ");
  EXPECT_EQ(Sent(), "+{INSERT}");
  EXPECT_THAT(app_->prediction().context().words, ElementsAre("like", "to"));
}

TEST_F(PredictWordsTest, ANumberKeyCompletesAPrefixAndTabTheSelectedCandidate) {
  Start();
  Type("wo");
  EXPECT_THAT(Offered(), ElementsAre("would", "work", "world", "wonder"));
  EXPECT_TRUE(Press('3', kCtrlMask));
  EXPECT_EQ(platform_.clipboard().content(), "rld ");
  Type("wo");
  EXPECT_TRUE(Press(kVkDown));
  EXPECT_TRUE(Press(kVkTab));
  EXPECT_EQ(platform_.clipboard().content(), "rk ");
  Type("wo");
  EXPECT_FALSE(Press('9', kCtrlMask)) << "no ninth candidate: the chord is the application's";
}

TEST_F(PredictWordsTest, APunctuationMarkTypedRightAfterACompletionTakesItsSpaceBack) {
  Start();
  Type("wo");
  EXPECT_TRUE(Press('1', kCtrlMask));
  EXPECT_THAT(platform_.hook().withholdable_keys(), Contains(kComma));
  EXPECT_TRUE(Press(kComma));
  EXPECT_EQ(Sent(), "+{INSERT}{BACKSPACE},");
  // Only straight after it: a second mark is the user's own.
  EXPECT_FALSE(Press(kComma));
  EXPECT_THAT(platform_.hook().withholdable_keys(), Not(Contains(kComma)));
}

TEST_F(PredictWordsTest, WordsEndWhereTheUserThinksTheyEnd) {
  Start();
  struct Case {
    const char* what;
    std::vector<int> keys;
    std::vector<std::string> context;
    bool sentence_start;
  };
  const std::vector<Case> cases = {
      {"a space", {'W', 'O', kVkSpace}, {"wo"}, false},
      {"a comma keeps the sentence", {'W', 'O', kComma}, {"wo"}, false},
      {"a full stop starts the next one", {'W', 'O', kFullStop}, {}, true},
      {"Enter starts the next one", {'W', 'O', kVkEnter}, {}, true},
      {"a digit leaves nothing known", {'W', 'O', '5'}, {}, false},
      {"Backspace leaves nothing known", {'W', 'O', kVkBackspace}, {}, false},
      {"a cursor key leaves nothing known", {'W', 'O', 37}, {}, false},
      {"a Ctrl chord leaves nothing known", {'W', 'O', 0x100 | 'V'}, {}, false},
  };
  for (const Case& c : cases) {
    app_->OnCommand(kPredictWordsItem);
    app_->OnCommand(kPredictWordsItem);
    for (int key : c.keys) Press(key & 0xFF, key > 0xFF ? kCtrlMask : 0);
    EXPECT_EQ(app_->prediction().current_word(), "") << c.what;
    EXPECT_EQ(app_->prediction().context().words, c.context) << c.what;
    EXPECT_EQ(app_->prediction().context().AtSentenceStart(), c.sentence_start) << c.what;
  }
}

TEST_F(PredictWordsTest, APopUpWithNothingLeftHidesAtOnce) {
  Start();
  Type("wo");
  ASSERT_TRUE(app_->popup().Visible());
  Type("x");
  EXPECT_FALSE(app_->popup().Visible());
  EXPECT_FALSE(Press(kVkTab));
}

TEST_F(PredictWordsTest, NextWordPredictionsLeaveTabAndTheArrowsToTheApplication) {
  Start();
  Type("the ");
  ASSERT_TRUE(app_->popup().Visible());
  EXPECT_FALSE(Press(kVkDown));
  Type("to ");
  EXPECT_FALSE(Press(kVkTab));
  EXPECT_EQ(Sent(), "");
}

TEST_F(PredictWordsTest, ASentenceBeginsWithACapital) {
  Start();
  EXPECT_FALSE(Press(kFullStop));
  Type(" ");
  EXPECT_THAT(Offered(), Contains("The"));
  EXPECT_TRUE(Press('1', kCtrlMask));
  EXPECT_EQ(platform_.clipboard().content(), "I ");
}

TEST_F(PredictWordsTest, AltPicksWhenChosenAndCtrlThenStaysTheApplications) {
  Start();
  app_->OnCommand(kPickWithAltItem);
  EXPECT_EQ(shell_.settings().Value("Options", kPickKeysSetting), "Alt");
  Type("wo");
  EXPECT_FALSE(Press('1', kCtrlMask));
  Type("wo");
  EXPECT_TRUE(Press('1', kAltMask));
  EXPECT_EQ(platform_.clipboard().content(), "uld ");
}

TEST_F(PredictWordsTest, WithoutTheSpaceOptionACompletionAddsNoSpace) {
  Start({kPredictWordsItem});
  app_->OnCommand(kSpaceAfterCompletionItem);
  Type("wo");
  EXPECT_TRUE(Press('1', kCtrlMask));
  EXPECT_EQ(platform_.clipboard().content(), "uld");
  EXPECT_FALSE(Press(kComma));
}

TEST_F(PredictWordsTest, LearnedPhrasesComeFirstAndFollowTheLearnedWordsRules) {
  Start({kPredictWordsItem, kLearnWordsItem});
  Type("green work ");
  Type("green ");
  EXPECT_EQ(Offered().front(), "work");
  // Offered at once, but kept on disk only once used as often as a learned word.
  shell_.Advance(10000);
  const std::string path = JoinPath(platform_.folders().user_data, "learned-words");
  EXPECT_THAT(platform_.private_files().Read(path).value_or(""), Not(testing::HasSubstr("green")));
  Type("work green work ");
  shell_.Advance(10000);
  EXPECT_THAT(platform_.private_files().Read(path).value_or(""),
              testing::HasSubstr("3\tgreen work\n"));

  // Nothing typed in a password field is learned or remembered as context.
  platform_.hook().set_focus_in_password_field(true);
  Type("green tea ");
  platform_.hook().set_focus_in_password_field(false);
  EXPECT_THAT(app_->prediction().context().words, IsEmpty());
  shell_.Advance(10000);
  EXPECT_THAT(platform_.private_files().Read(path).value_or(""), Not(testing::HasSubstr("tea")));
  Type("green ");

  // Shift+Delete forgets the selected phrase.
  ASSERT_EQ(Offered().front(), "work");
  EXPECT_TRUE(Press(kVkDelete, kShiftMask));
  EXPECT_NE(Offered().front(), "work");

  shell_.dialogs().QueueAnswer(true);
  app_->OnCommand("ForgetLearnedWords");
  EXPECT_FALSE(platform_.private_files().Read(path).has_value());
}

}  // namespace
}  // namespace keyloom
