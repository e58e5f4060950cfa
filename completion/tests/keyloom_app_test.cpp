#include "completion/keyloom_app.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

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

}  // namespace
}  // namespace keyloom
