#include "completion/word_capture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "completion/suggestion_popup.h"
#include "completion/tests/test_word_store.h"
#include "keyloom/keyloom_window_design.h"
#include "platform/fake/fake_platform.h"
#include "shell/fake/fake_shell.h"

namespace keyloom {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

constexpr int kApostrophe = 222;
constexpr int kMinus = 189;
constexpr int kLeftBracket = 219;

struct Query {
  std::string prefix;
  std::size_t limit;
  friend bool operator==(const Query&, const Query&) = default;
};

class NoEvents : public WindowEvents {
 public:
  void OnCommand(std::string_view /*id*/) override {}
};

class WordCaptureTest : public testing::Test {
 protected:
  // Types the letters of `text` (a-z only) as letter keys.
  void Type(std::string_view text) {
    for (char c : text) Press(c - 'a' + 'A');
  }
  bool Press(int key_code, int modifiers = 0) {
    KeyEvent event{key_code, modifiers, false};
    capture_.HandleKey(event);
    return event.discard;
  }
  std::vector<std::string> Prefixes() const {
    std::vector<std::string> prefixes;
    for (const Query& q : queries_) prefixes.push_back(q.prefix);
    return prefixes;
  }
  FakeWindow& popup_window() { return shell_.window("Form2"); }

  FakeShell shell_;
  FakePlatform platform_;
  NoEvents events_;
  std::unique_ptr<Window> main_ = shell_.CreateWindow(KeyloomWindowDesign(), events_);
  FakeWindow& window_ = shell_.window("Form1");
  SuggestionPopup popup_{shell_, platform_, KeyloomPopupDesign()};
  WordStore store_ =
      OpenTestStore({"hello", "help", "helpful", "held", "Helsinki", "don't", "do not", "Boston",
                     "bossy", "_private", "[bracket]", "a_b", "a[b]"});
  std::vector<Query> queries_;
  WordCapture capture_{window_, popup_, [this](std::string_view prefix, std::size_t limit) {
                         queries_.push_back({std::string(prefix), limit});
                         std::vector<std::string> words;
                         for (std::string_view w : store_.Lookup(prefix, limit)) {
                           words.emplace_back(w);
                         }
                         return words;
                       }};
};

TEST_F(WordCaptureTest, FirstLookupRunsAtTheThirdLetter) {
  Type("he");
  EXPECT_THAT(queries_, IsEmpty());
  Type("l");
  EXPECT_THAT(queries_, ElementsAre(Query{"hel", 15}));
  EXPECT_EQ(capture_.current_word(), "hel");
  EXPECT_TRUE(popup_.Visible());
  EXPECT_THAT(popup_window().ListItems("List1"),
              ElementsAre("held", "hello", "help", "helpful", "Helsinki"));
  Type("p");
  EXPECT_THAT(Prefixes(), ElementsAre("hel", "help"));
  EXPECT_THAT(popup_window().ListItems("List1"), ElementsAre("help", "helpful"));
}

TEST_F(WordCaptureTest, ApostropheBecomesASpaceInTheWordItself) {
  Type("do");
  Press(kApostrophe);
  Type("n");
  EXPECT_EQ(capture_.current_word(), "do n");
  EXPECT_THAT(Prefixes(), ElementsAre("do ", "do n"));
  EXPECT_THAT(popup_window().ListItems("List1"), ElementsAre("do not"));
}

TEST_F(WordCaptureTest, PunctuationExtendsTheWordAndOtherKeysDoNot) {
  Type("ab");
  Press(kMinus, kShiftMask);
  Press(186, kShiftMask | kCtrlMask);
  Press(186, kShiftMask);
  for (int key : {48, 57, 96, 105, kVkUp, kVkDown, kVkShift, kVkF1, 37, 39}) Press(key);
  EXPECT_EQ(capture_.current_word(), "ab_;:");
}

TEST_F(WordCaptureTest, DisabledCompletionLooksNothingUpButAVisiblePopupStillSteers) {
  Type("hel");
  window_.SetChecked("Check1", false);
  Type("p");
  EXPECT_THAT(Prefixes(), ElementsAre("hel"));
  EXPECT_TRUE(Press(kVkDown));
  EXPECT_EQ(popup_.current_candidate(), "hello");
  EXPECT_TRUE(Press(kVkTab));
  EXPECT_EQ(platform_.clipboard().content(), "o");
  EXPECT_EQ(platform_.keystrokes().TypedText(), "+{INSERT}");
  EXPECT_EQ(capture_.current_word(), "");
}

TEST_F(WordCaptureTest, EscapeHidesButKeepsTheWord) {
  Type("hel");
  Press(kVkEscape);
  EXPECT_FALSE(popup_.Visible());
  EXPECT_EQ(capture_.current_word(), "hel");
  Type("p");
  EXPECT_THAT(Prefixes(), ElementsAre("hel", "help"));
  EXPECT_TRUE(popup_.Visible());
}

struct ThresholdCase {
  std::string field;
  std::string field_after;
  std::string typed;
  std::vector<std::string> prefixes;
};

class ThresholdTest : public WordCaptureTest, public testing::WithParamInterface<ThresholdCase> {};

TEST_P(ThresholdTest, LooksUpFromTheThreshold) {
  const ThresholdCase& c = GetParam();
  window_.SetText("Text9", c.field);
  Type(c.typed);
  EXPECT_EQ(Prefixes(), c.prefixes);
  EXPECT_EQ(window_.Text("Text9"), c.field_after);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ThresholdTest,
    testing::Values(
        ThresholdCase{"0", "0", "he", {"h", "he"}}, ThresholdCase{"1", "1", "he", {"h", "he"}},
        ThresholdCase{"-2", "-2", "h", {"h"}}, ThresholdCase{" 4 ", " 4 ", "help", {"help"}},
        ThresholdCase{"2.5", "2.5", "hel", {"he", "hel"}},  // halves to even
        ThresholdCase{"3.5", "3.5", "hel", {}}, ThresholdCase{"32767", "32767", "hel", {}},
        // Unreadable: repaired, and that key runs with threshold 0.
        ThresholdCase{"abc", "5", "he", {"h"}}, ThresholdCase{"", "5", "he", {"h"}},
        ThresholdCase{"32768", "5", "he", {"h"}}, ThresholdCase{"-32769", "5", "he", {"h"}},
        ThresholdCase{"1e9", "5", "he", {"h"}}));

TEST_F(WordCaptureTest, RepairedThresholdAppliesFromTheNextKey) {
  window_.SetText("Text9", "x");
  Type("helpf");
  EXPECT_THAT(Prefixes(), ElementsAre("h", "helpf"));
}

struct LengthFieldCase {
  std::string field;
  std::string after;
};

class MinWordLengthRepairTest : public WordCaptureTest,
                                public testing::WithParamInterface<LengthFieldCase> {};

TEST_P(MinWordLengthRepairTest, RepairsOnlyWhatIsNotANumber) {
  window_.SetText("Text8", GetParam().field);
  Press(kVkF1);
  EXPECT_EQ(window_.Text("Text8"), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Fields, MinWordLengthRepairTest,
                         testing::Values(LengthFieldCase{"4", "4"}, LengthFieldCase{"2.5", "2.5"},
                                         LengthFieldCase{"-7", "-7"}, LengthFieldCase{"four", "4"},
                                         LengthFieldCase{"", "4"}));

TEST_F(WordCaptureTest, UpOnTheFirstAndDownOnTheLastReachTheApplication) {
  Type("help");
  EXPECT_FALSE(Press(kVkUp));
  EXPECT_TRUE(Press(kVkDown));
  EXPECT_EQ(popup_.current_candidate(), "helpful");
  EXPECT_FALSE(Press(kVkDown));
  EXPECT_TRUE(Press(kVkUp));
  EXPECT_EQ(popup_.current_candidate(), "help");
}

TEST_F(WordCaptureTest, SteeringKeysPassWhileThePopupIsHidden) {
  Type("he");
  EXPECT_FALSE(Press(kVkDown));
  EXPECT_FALSE(Press(kVkUp));
  EXPECT_FALSE(Press(kVkTab));
  EXPECT_EQ(platform_.keystrokes().send_count(), 0);
}

TEST_F(WordCaptureTest, TabOnTheExactWordPastesNothingButSwallowsTheTab) {
  Type("help");
  ASSERT_EQ(popup_.current_candidate(), "help");
  EXPECT_TRUE(Press(kVkTab));
  EXPECT_EQ(platform_.keystrokes().send_count(), 0);
  EXPECT_EQ(capture_.current_word(), "");
  EXPECT_FALSE(popup_.Visible());
}

TEST_F(WordCaptureTest, CompletionKeepsTheStoresSpellingAndRestoresTheClipboard) {
  platform_.clipboard().set_content("the user's text");
  Type("bost");
  EXPECT_TRUE(Press(kVkTab));
  EXPECT_EQ(platform_.clipboard().content(), "on");
  EXPECT_EQ(platform_.keystrokes().TypedText(), "+{INSERT}");
  shell_.Advance(100);
  EXPECT_EQ(platform_.clipboard().content(), "the user's text");
  EXPECT_FALSE(popup_.Visible());
  EXPECT_EQ(popup_.current_candidate(), "");
}

TEST_F(WordCaptureTest, NoRowKeepsThePopupAndTabCompletesTheLastCandidate) {
  window_.SetText("Text4", "1");
  Type("hel");
  ASSERT_EQ(popup_.current_candidate(), "hello");
  Type("x");
  EXPECT_TRUE(popup_.Visible());
  EXPECT_THAT(popup_window().ListItems("List1"), IsEmpty());
  EXPECT_EQ(popup_window().Size().height, 1000);
  EXPECT_TRUE(Press(kVkTab));
  // What lies beyond the four characters typed.
  EXPECT_EQ(platform_.clipboard().content(), "o");
}

TEST_F(WordCaptureTest, SpaceWhileOfferingDoesNotEndTheWord) {
  Type("hel");
  EXPECT_FALSE(Press(kVkSpace));
  EXPECT_EQ(capture_.current_word(), "hel");
  EXPECT_TRUE(popup_.Visible());
  EXPECT_TRUE(Press(kVkTab));
  EXPECT_EQ(platform_.clipboard().content(), "d");
}

TEST_F(WordCaptureTest, SpaceEndsTheWordWhenNothingIsOffered) {
  Type("he");
  Press(kVkSpace);
  EXPECT_EQ(capture_.current_word(), "");
  Type("hel");
  window_.SetChecked("Check1", false);
  Press(kVkSpace);
  EXPECT_EQ(capture_.current_word(), "");
  EXPECT_FALSE(popup_.Visible());
}

class EndingKeyTest : public WordCaptureTest, public testing::WithParamInterface<int> {};

TEST_P(EndingKeyTest, EndsTheWordHidesThePopupAndReachesTheApplication) {
  Type("hel");
  EXPECT_FALSE(Press(GetParam()));
  EXPECT_EQ(capture_.current_word(), "");
  EXPECT_EQ(popup_.current_candidate(), "");
  EXPECT_FALSE(popup_.Visible());
  Type("bo");
  EXPECT_EQ(capture_.current_word(), "bo");
}

INSTANTIATE_TEST_SUITE_P(Keys, EndingKeyTest, testing::Values(kVkEnter, kVkBackspace));

struct MaxWordsCase {
  std::string field;
  std::size_t offered;
};

class MaxWordsTest : public WordCaptureTest, public testing::WithParamInterface<MaxWordsCase> {};

TEST_P(MaxWordsTest, OffersAtMostTheFieldsNumber) {
  window_.SetText("Text4", GetParam().field);
  Type("hel");
  EXPECT_EQ(popup_window().ListItems("List1").size(), GetParam().offered);
  EXPECT_EQ(popup_.Visible(), GetParam().offered > 0);
}

INSTANTIATE_TEST_SUITE_P(Fields, MaxWordsTest,
                         testing::Values(MaxWordsCase{"15", 5}, MaxWordsCase{"1", 1},
                                         MaxWordsCase{"2", 2}, MaxWordsCase{" 3 ", 3},
                                         MaxWordsCase{"99999999999999999999999", 5},
                                         MaxWordsCase{"abc", 0}, MaxWordsCase{"0", 0},
                                         MaxWordsCase{"", 0}, MaxWordsCase{"-1", 0},
                                         MaxWordsCase{"1.5", 0}, MaxWordsCase{"2 2", 0}));

TEST_F(WordCaptureTest, FirstOfOneStoreOrderIsTheMostCommonWord) {
  window_.SetText("Text4", "1");
  Type("hel");
  EXPECT_THAT(popup_window().ListItems("List1"), ElementsAre("hello"));
}

struct LiteralCase {
  int key_code;
  int modifiers;
  std::vector<std::string> offered;
};

class LiteralPrefixTest : public WordCaptureTest,
                          public testing::WithParamInterface<LiteralCase> {};

TEST_P(LiteralPrefixTest, PatternCharactersAreMatchedAsThemselves) {
  window_.SetText("Text9", "1");
  Press(GetParam().key_code, GetParam().modifiers);
  EXPECT_EQ(popup_window().ListItems("List1"), GetParam().offered);
}

INSTANTIATE_TEST_SUITE_P(Prefixes, LiteralPrefixTest,
                         testing::Values(LiteralCase{kMinus, kShiftMask, {"_private"}},
                                         LiteralCase{kLeftBracket, 0, {"[bracket]"}}));

TEST_F(WordCaptureTest, PatternCharactersInsideAWordAreLiteralToo) {
  Type("a");
  Press(kMinus, kShiftMask);
  Type("b");
  EXPECT_THAT(Prefixes(), ElementsAre("a_b"));
  EXPECT_THAT(popup_window().ListItems("List1"), ElementsAre("a_b"));
}

}  // namespace
}  // namespace keyloom
