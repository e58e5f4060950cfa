#include "completion/keyloom_app.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "completion/completion_options.h"
#include "completion/status_line.h"
#include "completion/tests/test_word_store.h"
#include "keyloom/keyloom_window_design.h"
#include "platform/fake/fake_platform.h"
#include "shell/fake/fake_shell.h"

namespace keyloom {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

const std::vector<std::string> kWords = {"hello", "help", "Boston"};

bool Overlap(const TwipRect& a, const TwipRect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

class KeyloomAppTest : public testing::Test {
 protected:
  void Start(std::optional<std::string> store_bytes) {
    if (store_bytes) platform_.files().SetFile(StorePath(), *store_bytes);
    app_ = std::make_unique<KeyloomApp>(shell_, platform_, KeyloomWindowDesign(),
                                        KeyloomPopupDesign());
    app_->Start();
  }
  std::string StorePath() { return JoinPath(platform_.folders().program, "words.mdb"); }
  FakeWindow& main() { return shell_.window("Form1"); }
  bool Press(int key_code, int modifiers = 0) {
    return platform_.hook().Press(key_code, modifiers);
  }
  void Type(std::string_view letters) {
    for (char c : letters) EXPECT_FALSE(Press(c - 'a' + 'A'));
  }

  FakeShell shell_;
  FakePlatform platform_;
  std::unique_ptr<KeyloomApp> app_;
};

TEST_F(KeyloomAppTest, StartsInTheTrayWithTheWindowShownAndTheHookRunning) {
  Start(SealedTestStoreBytes(kWords));
  EXPECT_EQ(shell_.tray().added_tips().size(), 1u);
  EXPECT_TRUE(main().Visible());
  EXPECT_TRUE(platform_.hook().started());
  EXPECT_TRUE(platform_.hook().withholdable_keys().empty());
  EXPECT_TRUE(app_->store_open());
  EXPECT_EQ(main().Text("StatusLine"), "");
}

TEST_F(KeyloomAppTest, CompletesAWordTypedAnywhere) {
  Start(SealedTestStoreBytes(kWords));
  platform_.clipboard().set_content("kept");
  Type("bos");
  EXPECT_TRUE(app_->popup().Visible());
  EXPECT_THAT(platform_.hook().withholdable_keys(), ElementsAre(9, 38, 40));
  EXPECT_TRUE(Press(kVkTab));
  EXPECT_EQ(platform_.clipboard().content(), "ton");
  EXPECT_EQ(platform_.keystrokes().TypedText(), "+{INSERT}");
  EXPECT_TRUE(platform_.hook().withholdable_keys().empty());
  shell_.Advance(100);
  EXPECT_EQ(platform_.clipboard().content(), "kept");
}

std::string Damaged(std::string bytes) {
  bytes[bytes.size() / 2] ^= 0x01;
  return bytes;
}

struct BadStoreCase {
  std::string name;
  std::optional<std::string> bytes;
};

class BadStoreTest : public KeyloomAppTest, public testing::WithParamInterface<BadStoreCase> {};

TEST_P(BadStoreTest, SaysSoAndTypingWorksAsBefore) {
  Start(GetParam().bytes);
  EXPECT_FALSE(app_->store_open());
  EXPECT_EQ(main().Text("StatusLine"), KeyloomApp::kStoreNotOpenedStatus);
  EXPECT_TRUE(main().Visible());
  EXPECT_TRUE(platform_.hook().started());
  Type("hello");
  EXPECT_FALSE(app_->popup().Visible());
  for (int key : {kVkSpace, kVkTab, kVkDown, kVkUp, kVkEnter, kVkEscape, kVkBackspace}) {
    EXPECT_FALSE(Press(key)) << key;
  }
  EXPECT_EQ(platform_.keystrokes().send_count(), 0);
  EXPECT_TRUE(platform_.hook().withholdable_keys().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Stores, BadStoreTest,
    testing::Values(BadStoreCase{"Missing", std::nullopt}, BadStoreCase{"Empty", ""},
                    BadStoreCase{"Damaged", Damaged(SealedTestStoreBytes(kWords))},
                    BadStoreCase{"OtherPassword", SealWordStore(kWords, "not the password", 1)},
                    BadStoreCase{"PlainText", "hello\r\nhelp\r\n"}),
    [](const testing::TestParamInfo<BadStoreCase>& param) { return param.param.name; });

TEST_F(KeyloomAppTest, ClosingTheWindowEndsTheProgram) {
  Start(SealedTestStoreBytes(kWords));
  main().Close();
  EXPECT_TRUE(shell_.quit());
  EXPECT_EQ(shell_.exit_code(), 0);
}

TEST_F(KeyloomAppTest, ExitEndsTheProgram) {
  Start(SealedTestStoreBytes(kWords));
  main().Click("Exit");
  EXPECT_TRUE(shell_.quit());
}

TEST_F(KeyloomAppTest, WordListButtons) {
  Start(SealedTestStoreBytes(kWords));
  main().TypeText("Text7", "zebra");
  main().Click("Command8");
  main().TypeText("Text7", "apple");
  main().Click("Command8");
  EXPECT_THAT(main().ListItems("List1"), ElementsAre("apple", "zebra"));
  shell_.dialogs().QueueAnswer(true);
  main().Click("Command2");
  EXPECT_THAT(main().ListItems("List1"), IsEmpty());
}

TEST_F(KeyloomAppTest, DisplayTimeFieldSetsThePopupsTime) {
  Start(SealedTestStoreBytes(kWords));
  main().TypeText("Text2", "1.5");
  EXPECT_EQ(app_->popup().DisplayTimeMs(), 1500);
  main().TypeText("Text2", "soon");
  EXPECT_EQ(app_->popup().DisplayTimeMs(), 1500);
  ASSERT_EQ(shell_.dialogs().messages().size(), 1u);
  EXPECT_EQ(shell_.dialogs().messages()[0].text, "Value Must be Numberic");
}

TEST_F(KeyloomAppTest, TheHideTimerHidesThePopup) {
  Start(SealedTestStoreBytes(kWords));
  Type("hel");
  ASSERT_TRUE(app_->popup().Visible());
  shell_.Advance(5000);
  EXPECT_FALSE(app_->popup().Visible());
  EXPECT_EQ(app_->popup().current_candidate(), "");
}

TEST_F(KeyloomAppTest, ImportTakesLinesOfTheMinimumLengthAndFourWhenItIsNoNumber) {
  Start(SealedTestStoreBytes(kWords));
  const std::string list = JoinPath(platform_.folders().program, "words.txt");
  platform_.files().SetFile(list, "cat\r\n  house\r\nab\r\nhorse\r\n\r\n");
  main().SetText("Text8", "abc");
  shell_.dialogs().QueueOpen(list);
  main().Click("FileImport");
  EXPECT_THAT(main().ListItems("List1"), ElementsAre("  house", "horse"));
  main().SetText("Text8", "2");
  shell_.dialogs().QueueOpen(list);
  main().Click("FileImport");
  EXPECT_EQ(main().ListItems("List1").size(), 6u);
}

TEST_F(KeyloomAppTest, StatusLineStaysClearOfTheListAndThePanelOnResize) {
  Start(std::nullopt);
  for (const TwipSize size : {TwipSize{6750, 4890}, TwipSize{9000, 7000}, TwipSize{6750, 4890}}) {
    // The list follows the frame height of the run before, so a size settles on its second run.
    main().Resize(size);
    main().Resize(size);
    const TwipRect status = main().Rect("StatusLine");
    EXPECT_EQ(status, StatusLineRect(main().Rect("Frame2"), main().Rect("Frame1")));
    EXPECT_FALSE(Overlap(status, main().Rect("List1"))) << size.width << "x" << size.height;
    EXPECT_FALSE(Overlap(status, main().Rect("Frame1"))) << size.width << "x" << size.height;
    EXPECT_LE(status.left + status.width, main().Rect("Frame2").width);
  }
}

// The options of the Options menu, on a store whose order is not alphabetical.
class KeyloomOptionsTest : public KeyloomAppTest {
 protected:
  void Start() {
    KeyloomAppTest::Start(SealedTestStoreBytes({"then", "there", "thanks", "theory", "thermal"}));
  }
  void Restart() {
    app_.reset();
    Start();
  }
  // A line of one word: Enter ends a word whether or not the pop-up shows.
  void TypeWord(std::string_view word) {
    Type(word);
    Press(kVkEnter);
  }
  std::vector<std::string> Offered() { return shell_.window("Form2").ListItems("List1"); }
  std::string LearnedPath() {
    return JoinPath(platform_.folders().user_data, LearnedWordsKeeper::kFileName);
  }
  // Every file that holds `text`.
  std::vector<std::string> FilesHolding(std::string_view text) {
    std::vector<std::string> paths;
    for (const auto& [path, content] : platform_.files().files()) {
      if (content.find(text) != std::string::npos) paths.push_back(path);
    }
    return paths;
  }
};

TEST_F(KeyloomOptionsTest, EveryOptionHasItsDefaultUntilChangedAndSurvivesARestart) {
  Start();
  for (const MenuOption& option : kCompletionOptions) {
    const std::string_view item = option.item;
    EXPECT_EQ(main().MenuChecked(item), option.on_by_default) << item;
    app_->OnCommand(item);
    EXPECT_EQ(main().MenuChecked(item), !option.on_by_default) << item;
    EXPECT_EQ(shell_.settings().Value("Options", item), option.on_by_default ? "0" : "1");
  }
  app_->OnCommand(kLearnWordsItem);
  Restart();
  EXPECT_TRUE(main().MenuChecked(kMostLikelyFirstItem));
  EXPECT_FALSE(main().MenuChecked(kLearnWordsItem));
  EXPECT_TRUE(main().MenuChecked(kOfferListWordsItem));
}

TEST_F(KeyloomOptionsTest, MostLikelyFirstListsTheStoreOrderWithTheFirstSelected) {
  Start();
  Type("the");
  EXPECT_THAT(Offered(), ElementsAre("then", "theory", "there", "thermal"));
  Press(kVkEscape);
  Press(kVkBackspace);
  app_->OnCommand(kMostLikelyFirstItem);
  Type("the");
  EXPECT_THAT(Offered(), ElementsAre("then", "there", "theory", "thermal"));
  EXPECT_TRUE(Press(kVkDown));
  EXPECT_EQ(app_->popup().current_candidate(), "there");
}

TEST_F(KeyloomOptionsTest, SuggestionsAtTheCaretFollowItAfterARestart) {
  Start();
  app_->OnCommand(kSuggestionsAtCaretItem);
  Restart();
  // The fake's pixels are twips: a large screen.
  platform_.caret().set_place(CaretPlace{{400, 300, 1, 16}, {0, 0, 10000, 10000}});
  Type("the");
  shell_.Advance(SuggestionPopup::kCaretFollowDelayMs);
  const ScreenRect frame = app_->popup().window()->ScreenFrame();
  EXPECT_EQ(frame.left, 400);
  EXPECT_EQ(frame.top, 316);
}

TEST_F(KeyloomOptionsTest, LearnedWordsComeFirstAndAreKeptInAPrivateFile) {
  Start();
  app_->OnCommand(kMostLikelyFirstItem);
  TypeWord("thesaurus");
  TypeWord("thesaurus");
  EXPECT_FALSE(platform_.files().File(LearnedPath()));  // learning is off
  app_->OnCommand(kLearnWordsItem);
  for (int i = 0; i < 3; ++i) TypeWord("thesaurus");
  Type("the");
  EXPECT_THAT(Offered(), ElementsAre("thesaurus", "then", "there", "theory", "thermal"));
  EXPECT_TRUE(Press(kVkTab));
  EXPECT_EQ(platform_.clipboard().content(), "saurus");
  shell_.Advance(LearnedWordsKeeper::kSaveDelayMs);
  EXPECT_EQ(platform_.private_files().private_paths(), std::set<std::string>{LearnedPath()});
  EXPECT_EQ(platform_.files().File(LearnedPath()), "4\tthesaurus\n");
  Restart();
  EXPECT_EQ(app_->learned_words().Lookup("thes", 5).size(), 1u);
}

TEST_F(KeyloomOptionsTest, ShiftDeleteForgetsTheSelectedLearnedWordOnly) {
  Start();
  app_->OnCommand(kLearnWordsItem);
  for (int i = 0; i < 3; ++i) TypeWord("thesaurus");
  Type("the");
  EXPECT_THAT(platform_.hook().withholdable_keys(), ElementsAre(9, 38, 40, kVkDelete));
  EXPECT_FALSE(Press(kVkDelete));              // without Shift, Delete is the application's
  EXPECT_FALSE(Press(kVkDelete, kShiftMask));  // "then" comes from the store
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(Press(kVkDown));
  EXPECT_EQ(app_->popup().current_candidate(), "thesaurus");
  EXPECT_TRUE(Press(kVkDelete, kShiftMask));
  EXPECT_THAT(Offered(), ElementsAre("then", "theory", "there", "thermal"));
  EXPECT_EQ(app_->popup().current_candidate(), "then");
  EXPECT_TRUE(app_->learned_words().empty());
}

TEST_F(KeyloomOptionsTest, ForgetLearnedWordsLeavesNoTraceOnDisk) {
  Start();
  app_->OnCommand(kLearnWordsItem);
  for (int i = 0; i < 3; ++i) TypeWord("thesaurus");
  shell_.Advance(LearnedWordsKeeper::kSaveDelayMs);
  TypeWord("thesaurus");  // a change not yet saved
  ASSERT_FALSE(FilesHolding("thesaurus").empty());
  shell_.dialogs().QueueAnswer(false);
  app_->OnCommand(KeyloomApp::kForgetLearnedWordsItem);
  EXPECT_FALSE(FilesHolding("thesaurus").empty());
  shell_.dialogs().QueueAnswer(true);
  app_->OnCommand(KeyloomApp::kForgetLearnedWordsItem);
  EXPECT_THAT(FilesHolding("thesaurus"), IsEmpty());
  shell_.Advance(LearnedWordsKeeper::kSaveDelayMs);
  app_.reset();
  EXPECT_THAT(FilesHolding("thesaurus"), IsEmpty());
}

TEST_F(KeyloomOptionsTest, AFailedSaveIsToldOnceAndTriedAgain) {
  Start();
  app_->OnCommand(kLearnWordsItem);
  platform_.files().SetFolderWritable(platform_.folders().user_data, false);
  for (int i = 0; i < 2; ++i) {
    TypeWord("thesaurus");
    shell_.Advance(LearnedWordsKeeper::kSaveDelayMs);
  }
  ASSERT_EQ(shell_.tray().notifications().size(), 1u);
  EXPECT_EQ(shell_.tray().notifications()[0].text, LearnedWordsKeeper::kSaveFailedNotice);
  platform_.files().SetFolderWritable(platform_.folders().user_data, true);
  TypeWord("thesaurus");
  shell_.Advance(LearnedWordsKeeper::kSaveDelayMs);
  EXPECT_EQ(platform_.files().File(LearnedPath()), "3\tthesaurus\n");
}

TEST_F(KeyloomOptionsTest, OnlyWordsUsedOftenEnoughReachTheDiskAndSomeFieldsTeachNothing) {
  struct Case {
    const char* what;
    std::string application;
    bool terminal_told;
    bool private_field;
    bool learn_in_terminals;
    int uses;
    bool kept;
  };
  const Case cases[] = {
      {"once, as a password where no field was told", "gedit", false, false, false, 1, false},
      {"often enough", "gedit", false, false, false, 3, true},
      {"a terminal known by name", "XTerm", false, false, false, 3, false},
      {"a terminal the backend told", "vte-app", true, false, false, 3, false},
      {"a terminal, when the user asks", "XTerm", false, false, true, 3, true},
      {"a private field", "firefox", false, true, true, 3, false},
  };
  for (const Case& c : cases) {
    Start();
    app_->OnCommand(kLearnWordsItem);
    if (c.learn_in_terminals) app_->OnCommand(kLearnInTerminalsItem);
    platform_.hook().set_focused_application(c.application);
    platform_.hook().set_focus_in_terminal(c.terminal_told);
    platform_.hook().set_focus_in_private_field(c.private_field);
    for (int i = 0; i < c.uses; ++i) TypeWord("troubadour");
    shell_.Advance(LearnedWordsKeeper::kSaveDelayMs);
    EXPECT_EQ(!FilesHolding("troubadour").empty(), c.kept) << c.what;
    EXPECT_EQ(app_->learned_words().Lookup("troub", 5).size(), c.kept ? 1u : 0u) << c.what;
    shell_.dialogs().QueueAnswer(true);
    app_->OnCommand(KeyloomApp::kForgetLearnedWordsItem);
    // The options stay in the settings store: off again for the next case.
    app_->OnCommand(kLearnWordsItem);
    if (c.learn_in_terminals) app_->OnCommand(kLearnInTerminalsItem);
    app_.reset();
  }
}

TEST_F(KeyloomOptionsTest, AFileThatCannotBeReadIsNeverSavedOverAndTheUserIsTold) {
  platform_.files().SetFile(LearnedPath(), "7\tthesaurus\n");
  platform_.files().SetUnreadable(LearnedPath(), true);
  Start();
  app_->OnCommand(kLearnWordsItem);
  for (int i = 0; i < 3; ++i) TypeWord("thermal");
  shell_.Advance(LearnedWordsKeeper::kSaveDelayMs);
  ASSERT_EQ(shell_.tray().notifications().size(), 1u);
  EXPECT_THAT(shell_.tray().notifications()[0].text,
              testing::StartsWith(LearnedWordsKeeper::kReadFailedNotice));
  app_.reset();
  EXPECT_EQ(platform_.files().File(LearnedPath()), "7\tthesaurus\n");
  // Read again once it can be: nothing was lost.
  platform_.files().SetUnreadable(LearnedPath(), false);
  Start();
  EXPECT_EQ(app_->learned_words().Lookup("thes", 5).size(), 1u);
}

TEST_F(KeyloomOptionsTest, WordsFromTheWordListJoinTheCandidates) {
  Start();
  main().TypeText("Text7", "Theodora");
  main().Click("Command8");
  Type("the");
  EXPECT_THAT(Offered(), testing::Not(testing::Contains("Theodora")));
  Press(kVkBackspace);
  app_->OnCommand(kOfferListWordsItem);
  app_->OnCommand(kMostLikelyFirstItem);
  Type("the");
  EXPECT_THAT(Offered(), ElementsAre("Theodora", "then", "there", "theory", "thermal"));
}

TEST_F(KeyloomAppTest, PausedItOffersNothingAndLearnsNothingEvenAfterARestart) {
  Start(SealedTestStoreBytes(kWords));
  app_->OnCommand("LearnWords");
  Type("hel");
  ASSERT_TRUE(app_->popup().Visible());
  main().Click("Pause");
  EXPECT_FALSE(app_->popup().Visible());
  EXPECT_TRUE(platform_.hook().withholdable_keys().empty());
  for (int i = 0; i < 3; ++i) {
    Type("hello");
    EXPECT_FALSE(Press(kVkEnter));
  }
  EXPECT_FALSE(app_->popup().Visible());
  EXPECT_TRUE(app_->learned_words().empty());

  app_.reset();
  Start(std::nullopt);
  EXPECT_EQ(main().MenuText("Pause"), "Resume");
  Type("hel");
  EXPECT_FALSE(app_->popup().Visible());
  main().Click("Pause");
  Type("hel");
  EXPECT_TRUE(app_->popup().Visible());
}

TEST_F(KeyloomAppTest, APasswordFieldGetsNoPopupAndTeachesNothing) {
  Start(SealedTestStoreBytes(kWords));
  app_->OnCommand("LearnWords");
  Type("hel");
  ASSERT_TRUE(app_->popup().Visible());
  platform_.hook().set_focus_in_password_field(true);
  EXPECT_FALSE(Press('P'));  // the focus moved on: what was offered goes
  EXPECT_FALSE(app_->popup().Visible());
  EXPECT_FALSE(Press(kVkTab));
  for (int i = 0; i < 3; ++i) {
    Type("hello");
    EXPECT_FALSE(Press(kVkEnter));
  }
  EXPECT_FALSE(app_->popup().Visible());
  EXPECT_TRUE(app_->learned_words().empty());
  EXPECT_EQ(platform_.keystrokes().send_count(), 0);
  platform_.hook().set_focus_in_password_field(false);
  Type("hel");
  EXPECT_TRUE(app_->popup().Visible());
}

TEST_F(KeyloomAppTest, AnExcludedApplicationGetsNoPopup) {
  shell_.settings().Set("Options", "ExcludedApplications", "xterm");
  Start(SealedTestStoreBytes(kWords));
  platform_.hook().set_focused_application("gedit");
  Type("he");
  platform_.hook().set_focused_application("XTerm");
  Type("l");  // the word begun elsewhere does not go on here
  EXPECT_FALSE(app_->popup().Visible());
  Type("hel");
  EXPECT_FALSE(app_->popup().Visible());
  EXPECT_FALSE(Press(kVkTab));
  platform_.hook().set_focused_application("gedit");
  Type("hel");
  EXPECT_TRUE(app_->popup().Visible());
}

TEST_F(KeyloomAppTest, KeysTypedInQuipcastAreLeftAloneAndAListEditedThereAppliesOnReturn) {
  Start(SealedTestStoreBytes(kWords));
  platform_.hook().set_focused_application("gedit");
  Type("hel");
  EXPECT_TRUE(app_->popup().Visible());
  Press(kVkEscape);
  // Quipcast's fill-in form, or its Excluded Applications window, where gedit is added.
  platform_.hook().set_focused_application("quipcast");
  Type("hel");
  EXPECT_FALSE(app_->popup().Visible());
  shell_.settings().Set("Options", "ExcludedApplications", "gedit");
  platform_.hook().set_focused_application("gedit");
  Type("hel");
  EXPECT_FALSE(app_->popup().Visible());
}

TEST_F(KeyloomAppTest, KeysTakenByQuipcastsPickerAreLeftAlone) {
  Start(SealedTestStoreBytes(kWords));
  platform_.keys_taken().set_taken_elsewhere(true);
  Type("hel");
  EXPECT_FALSE(app_->popup().Visible());
  platform_.keys_taken().set_taken_elsewhere(false);
  Type("hel");
  EXPECT_TRUE(app_->popup().Visible());
}

TEST_F(KeyloomAppTest, TheChosenDictionaryAppliesAtOnceAndSurvivesARestart) {
  const std::string user_store = JoinPath(platform_.folders().user_data, "words-de.mdb");
  platform_.files().SetFile(user_store, SealedTestStoreBytes({"über", "übel", "Hello"}));
  Start(SealedTestStoreBytes(kWords));
  EXPECT_TRUE(main().MenuChecked("Dictionary:words.mdb"));
  EXPECT_FALSE(main().MenuChecked("Dictionary:words-de.mdb"));
  app_->OnCommand("Dictionary:words-de.mdb");
  EXPECT_TRUE(main().MenuChecked("Dictionary:words-de.mdb"));
  EXPECT_FALSE(main().MenuChecked("Dictionary:words.mdb"));
  Type("hel");
  EXPECT_THAT(shell_.window("Form2").ListItems("List1"), ElementsAre("Hello"));
  EXPECT_EQ(shell_.settings().Value("Options", "Dictionary"), "words-de.mdb");

  app_.reset();
  Start(std::nullopt);
  EXPECT_TRUE(main().MenuChecked("Dictionary:words-de.mdb"));
  EXPECT_TRUE(app_->store_open());
}

TEST_F(KeyloomAppTest, ADictionaryThatDoesNotOpenLeavesTheOneInUse) {
  platform_.files().SetFile(JoinPath(platform_.folders().program, "broken.mdb"), "not a store");
  Start(SealedTestStoreBytes(kWords));
  app_->OnCommand("Dictionary:broken.mdb");
  ASSERT_EQ(shell_.dialogs().messages().size(), 1u);
  EXPECT_EQ(shell_.dialogs().messages()[0].text,
            std::string(KeyloomApp::kDictionaryNotOpenedMessage) + "broken");
  EXPECT_TRUE(main().MenuChecked("Dictionary:words.mdb"));
  EXPECT_FALSE(main().MenuChecked("Dictionary:broken.mdb"));
  Type("hel");
  EXPECT_TRUE(app_->popup().Visible());
}

TEST_F(KeyloomAppTest, ADictionarySettingThatNamesNoOfferedStoreIsNotFollowed) {
  platform_.files().SetFile("/secret/words.mdb", SealedTestStoreBytes({"secret"}));
  shell_.settings().Set("Options", "Dictionary", "../../secret/words.mdb");
  Start(SealedTestStoreBytes(kWords));
  EXPECT_TRUE(main().MenuChecked("Dictionary:words.mdb"));
  Type("hel");
  EXPECT_TRUE(app_->popup().Visible());
}

}  // namespace
}  // namespace keyloom
