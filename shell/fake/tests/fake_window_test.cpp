#include "shell/fake/fake_window.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace keyloom {
namespace {

class RecordingEvents : public WindowEvents {
 public:
  void OnCommand(std::string_view id) override { log.push_back("command " + std::string(id)); }
  void OnTextChanged(std::string_view id) override { log.push_back("text " + std::string(id)); }
  void OnListSelectionChanged(std::string_view id) override {
    log.push_back("select " + std::string(id));
  }
  void OnListDoubleClicked(std::string_view id) override {
    log.push_back("double " + std::string(id));
  }
  void OnResized() override { log.push_back("resized"); }
  void OnCloseRequested() override { log.push_back("close"); }
  std::vector<std::string> log;
};

WindowDesign Design() {
  WindowDesign design;
  design.id = "Form1";
  design.client_size = {6000, 4000};
  design.menus = {{"&File", {{"FileImport", "&Import", false}, {"RunMinimized", "&Run", true}}}};
  design.controls = {
      {ControlKind::kFrame, "Frame1", "Flags", "", {0, 0, 2000, 1000}},
      {ControlKind::kOptionButton, "Option1", "Space", "Frame1", {}, 0, true},
      {ControlKind::kOptionButton, "Option2", "Tab", "Frame1", {}, 1},
      {ControlKind::kOptionButton, "Option3", "Either", "", {}, 2, true},
      {ControlKind::kOptionButton, "Option4", "Neither", "", {}, 3},
      {ControlKind::kCheckBox, "Check8", "Boost", "", {}, 4},
      {ControlKind::kTextBox, "Text2", "start", "", {10, 20, 30, 40}, 5},
      {ControlKind::kListBox, "List1", "", "", {}, 6},
      {ControlKind::kButton, "Command1", "Minimize", "", {}, 7},
      {ControlKind::kLabel, "Label1", "Launch", "", {}},
  };
  return design;
}

class FakeWindowTest : public testing::Test {
 protected:
  RecordingEvents events_;
  FakeWindow window_{Design(), events_};
};

TEST_F(FakeWindowTest, StartsFromTheDesign) {
  EXPECT_EQ(window_.Text("Text2"), "start");
  EXPECT_EQ(window_.Text("Label1"), "Launch");
  EXPECT_TRUE(window_.Checked("Option1"));
  EXPECT_FALSE(window_.Checked("Check8"));
  EXPECT_EQ(window_.Rect("Text2"), (TwipRect{10, 20, 30, 40}));
  EXPECT_EQ(window_.Size(), (TwipSize{6000, 4000}));
  EXPECT_TRUE(window_.MenuChecked("RunMinimized"));
  EXPECT_FALSE(window_.Visible());
  EXPECT_EQ(window_.SelectedListIndex("List1"), -1);
}

TEST_F(FakeWindowTest, OptionGroupsAreExclusivePerContainer) {
  window_.SetChecked("Option2", true);
  EXPECT_FALSE(window_.Checked("Option1"));
  EXPECT_TRUE(window_.Checked("Option2"));
  EXPECT_TRUE(window_.Checked("Option3"));  // another container
  window_.Click("Option4");
  EXPECT_FALSE(window_.Checked("Option3"));
  EXPECT_TRUE(window_.Checked("Option4"));
  EXPECT_TRUE(window_.Checked("Option2"));
  EXPECT_EQ(events_.log, (std::vector<std::string>{"command Option4"}));
}

TEST_F(FakeWindowTest, ProgramChangesRaiseNoEvents) {
  window_.SetText("Text2", "x");
  window_.SetChecked("Check8", true);
  window_.SetListItems("List1", {"a", "b"});
  window_.SetSelectedListIndex("List1", 1);
  window_.SetSize({100, 100});
  window_.Show();
  window_.SetMenuChecked("FileImport", true);
  EXPECT_TRUE(events_.log.empty());
  EXPECT_TRUE(window_.Visible());
}

TEST_F(FakeWindowTest, UserActionsRaiseTheirEvents) {
  window_.Click("Check8");
  EXPECT_TRUE(window_.Checked("Check8"));
  window_.Click("Check8");
  EXPECT_FALSE(window_.Checked("Check8"));
  window_.Click("FileImport");
  window_.TypeText("Text2", "typed");
  window_.SetListItems("List1", {"a", "b"});
  window_.DoubleClickListItem("List1", 1);
  window_.Resize({10, 20});
  window_.Close();
  EXPECT_EQ(window_.Text("Text2"), "typed");
  EXPECT_EQ(window_.SelectedListIndex("List1"), 1);
  EXPECT_EQ(window_.Size(), (TwipSize{10, 20}));
  EXPECT_EQ(events_.log, (std::vector<std::string>{
                             "command Check8", "command Check8", "command FileImport", "text Text2",
                             "select List1", "double List1", "resized", "close"}));
}

TEST_F(FakeWindowTest, SelectionFollowsItsItem) {
  window_.SetListItems("List1", {"a", "c"});
  window_.SetSelectedListIndex("List1", 1);
  window_.InsertListItem("List1", 1, "b");
  EXPECT_EQ(window_.SelectedListIndex("List1"), 2);
  window_.RemoveListItem("List1", 0);
  EXPECT_EQ(window_.SelectedListIndex("List1"), 1);
  window_.RemoveListItem("List1", 1);
  EXPECT_EQ(window_.SelectedListIndex("List1"), -1);
  EXPECT_EQ(window_.ListItems("List1"), (std::vector<std::string>{"b"}));
}

TEST_F(FakeWindowTest, MisuseFailsLoudly) {
  EXPECT_THROW(window_.Text("Text99"), std::out_of_range);
  EXPECT_THROW(window_.MenuChecked("NoSuchMenu"), std::out_of_range);
  EXPECT_THROW(window_.Checked("Text2"), std::invalid_argument);
  EXPECT_THROW(window_.Click("Label1"), std::invalid_argument);
  EXPECT_THROW(window_.SetSelectedListIndex("List1", 0), std::out_of_range);
  EXPECT_THROW(window_.InsertListItem("List1", 1, "x"), std::out_of_range);
  EXPECT_TRUE(events_.log.empty());
}

}  // namespace
}  // namespace keyloom
