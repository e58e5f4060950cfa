#include "shell/exclusions_dialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "shell/fake/fake_shell.h"

namespace keyloom {
namespace {

using testing::ElementsAre;

class ExclusionsDialogTest : public testing::Test {
 protected:
  void SetUp() override { dialog_.Open(); }
  FakeWindow& window() { return shell_.window("Form3"); }

  FakeShell shell_;
  ExcludedApplications list_{Program::kKeyloom, shell_.settings()};
  std::string last_ = "gedit";
  ExclusionsDialog dialog_{Program::kKeyloom, shell_, list_, [this] { return last_; }};
};

TEST_F(ExclusionsDialogTest, AddsTheLastApplicationOnceAndKeepsItOnOk) {
  EXPECT_TRUE(window().Visible());
  EXPECT_EQ(window().Text("Text1"), "");
  window().TypeText("Text1", "xterm\n");
  window().Click("Command1");
  window().Click("Command1");
  last_ = "Xterm";
  window().Click("Command1");
  EXPECT_EQ(window().Text("Text1"), "xterm\r\ngedit\r\n");
  window().Click("Command2");
  EXPECT_FALSE(window().Visible());
  EXPECT_THAT(list_.Load().names, ElementsAre("xterm", "gedit"));
  EXPECT_FALSE(list_.Load().own_list);
  EXPECT_TRUE(list_.Excludes("gedit"));
}

TEST_F(ExclusionsDialogTest, OpensWithTheStoredListAndItsOwnListChoice) {
  ASSERT_TRUE(list_.Save({{"gimp", "xterm"}, true}));
  dialog_.Open();
  EXPECT_EQ(window().Text("Text1"), "gimp\r\nxterm\r\n");
  EXPECT_TRUE(window().Checked("Check1"));
  EXPECT_EQ(window().Text("Check1"), "Use this list for Keyloom only");
}

TEST_F(ExclusionsDialogTest, CancelAndTheCloseBoxKeepTheStoredList) {
  window().TypeText("Text1", "xterm");
  window().Click("Command3");
  EXPECT_FALSE(window().Visible());
  dialog_.Open();
  window().TypeText("Text1", "xterm");
  window().Close();
  EXPECT_FALSE(window().Visible());
  EXPECT_TRUE(list_.Load().names.empty());
}

TEST_F(ExclusionsDialogTest, SaysSoWhenThereIsNoApplicationToAddOrTheStoreRefuses) {
  last_.clear();
  window().Click("Command1");
  ASSERT_EQ(shell_.dialogs().messages().size(), 1u);
  EXPECT_EQ(window().Text("Text1"), "");

  shell_.settings().set_refuse_writes(true);
  window().TypeText("Text1", "xterm");
  window().Click("Command2");
  ASSERT_EQ(shell_.dialogs().messages().size(), 2u);
  EXPECT_TRUE(window().Visible());  // what the user typed is not lost
}

}  // namespace
}  // namespace keyloom
