#include "shell/qt/qt_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <stdexcept>
#include <string>
#include <vector>

#include "shell/qt/tests/qt_app.h"

namespace keyloom {
namespace {

using enum ControlKind;

class Recorder : public WindowEvents {
 public:
  void OnCommand(std::string_view id) override { Add("command", id); }
  void OnTextChanged(std::string_view id) override { Add("text", id); }
  void OnListSelectionChanged(std::string_view id) override { Add("select", id); }
  void OnListDoubleClicked(std::string_view id) override { Add("double", id); }
  void OnCloseRequested() override { Add("close", ""); }
  std::vector<std::string> events;

 private:
  void Add(const char* what, std::string_view id) {
    events.push_back(std::string(what) + " " + std::string(id));
  }
};

WindowDesign TestDesign() {
  WindowDesign design;
  design.id = "Form1";
  design.caption = "Test window";
  design.client_size = {4500, 3000};
  design.menus = {{"&File", {{"FileSave", "File Save"}, {"Exit", "Exit"}}},
                  {"&Options", {{"RunMinimized", "Run Minimized", false}}}};
  design.controls = {
      {kFrame, "Frame2", "Keyloom", "", {120, 0, 4200, 2800}},
      {kFrame, "Frame1", "", "Frame2", {2400, 1500, 1500, 1000}, -1, false, true},
      {kLabel, "Label8", "Launch Letters", "Frame2", {240, 225, 1800, 255}},
      {kTextBox, "Text10", "", "Frame2", {240, 480, 1500, 285}, 0},
      {kMultiLineTextBox, "Text7", "", "Frame2", {1800, 480, 2000, 765}, 1},
      {kOptionButton, "Option1", "Space", "Frame2", {240, 810, 855, 225}, 2, true},
      {kOptionButton, "Option2", "Tab", "Frame2", {1140, 810, 855, 225}, 3},
      {kOptionButton, "Option3", "Left", "Frame1", {0, 0, 855, 225}, 7, true},
      {kOptionButton, "Option4", "Right", "Frame1", {0, 300, 855, 225}, 8},
      {kCheckBox, "Check2", "Send Enter", "Frame2", {240, 1050, 1155, 225}, 4},
      {kButton, "Command8", "Add String", "Frame2", {240, 1320, 1335, 255}, 5},
      {kListBox, "List1", "", "Frame2", {240, 1680, 2000, 900}, 6},
  };
  return design;
}

class QtWindowTest : public testing::Test {
 protected:
  void SetUp() override { EnsureQtApp(); }

  template <typename T>
  T* Widget(const char* id) {
    T* widget = window_.widget()->findChild<T*>(id);
    EXPECT_NE(widget, nullptr) << id;
    return widget;
  }
  QAction* Action(const char* id) { return window_.widget()->findChild<QAction*>(id); }

  QtAppGuard app_;
  Recorder events_;
  EventGate gate_;
  QtWindow window_{TestDesign(), events_, gate_};
};

TEST_F(QtWindowTest, ControlsCarryTheirDesignIdsAndCaptions) {
  EXPECT_EQ(Widget<QGroupBox>("Frame2")->title(), "Keyloom");
  EXPECT_EQ(Widget<QPushButton>("Command8")->text(), "Add String");
  EXPECT_EQ(Widget<QRadioButton>("Option1")->accessibleName(), "Option1");
  EXPECT_EQ(window_.Text("Label8"), "Launch Letters");
  EXPECT_EQ(window_.Text("Check2"), "Send Enter");
  EXPECT_EQ(window_.widget()->windowTitle(), "Test window");
  // A borderless frame draws no caption.
  EXPECT_EQ(window_.widget()->findChild<QGroupBox*>("Frame1"), nullptr);
}

TEST_F(QtWindowTest, ControlsStandAtTheirRectanglesInTheirContainers) {
  // The offscreen screen has 96 dots per inch: 15 twips per pixel.
  const QWidget* text = Widget<QLineEdit>("Text10");
  EXPECT_EQ(text->parentWidget()->objectName(), "Frame2");
  EXPECT_EQ(text->geometry(), QRect(16, 32, 100, 19));
  EXPECT_EQ(Widget<QRadioButton>("Option4")->parentWidget()->objectName(), "Frame1");
  EXPECT_EQ(window_.Rect("List1"), (TwipRect{240, 1680, 2000, 900}));
}

TEST_F(QtWindowTest, SetRectMovesTheControlAndIsReadBackExactly) {
  window_.SetRect("List1", {240, 1680, 3007, 1201});
  EXPECT_EQ(window_.Rect("List1"), (TwipRect{240, 1680, 3007, 1201}));
  EXPECT_EQ(Widget<QListWidget>("List1")->geometry(), QRect(16, 112, 200, 80));
}

TEST_F(QtWindowTest, TheClientAreaHasTheDesignSizeBelowTheMenuBar) {
  auto* main = static_cast<QMainWindow*>(window_.widget());
  window_.Show();
  EXPECT_EQ(main->centralWidget()->width(), 300);
  EXPECT_EQ(main->centralWidget()->height(), 200);
  EXPECT_EQ(main->height() - main->menuBar()->sizeHint().height(), 200);
  // The outer size counts a standard frame in, whatever the window manager draws.
  const int menu_bar = main->menuBar()->height();
  EXPECT_EQ(window_.Size(), (TwipSize{4500 + 120, 3000 + 15 * menu_bar + 465}));
  window_.SetSize({6000, 3990});
  EXPECT_EQ(window_.Size(), (TwipSize{6000, 3990}));
  EXPECT_EQ(main->size(), QSize(392, 235));
}

TEST_F(QtWindowTest, WhatTheProgramSetsRaisesNoEvent) {
  window_.SetText("Text10", "td");
  window_.SetText("Text7", "line one\r\nline two");
  window_.SetChecked("Check2", true);
  window_.SetChecked("Option2", true);
  window_.SetListItems("List1", {"a", "b", "c"});
  window_.InsertListItem("List1", 1, "ab");
  window_.SetSelectedListIndex("List1", 2);
  window_.RemoveListItem("List1", 0);
  window_.SetMenuChecked("RunMinimized", true);
  EXPECT_TRUE(events_.events.empty());
  EXPECT_EQ(window_.Text("Text10"), "td");
  EXPECT_EQ(window_.SelectedListIndex("List1"), 1);
}

TEST_F(QtWindowTest, MultiLineFieldsHoldCarriageReturnLineFeeds) {
  window_.SetText("Text7", "This is a sample \r\nI hope you like it");
  EXPECT_EQ(Widget<QPlainTextEdit>("Text7")->toPlainText(),
            "This is a sample \nI hope you like it");
  EXPECT_EQ(window_.Text("Text7"), "This is a sample \r\nI hope you like it");
}

TEST_F(QtWindowTest, TypingRaisesTextChanged) {
  QTest::keyClicks(Widget<QLineEdit>("Text10"), "ab");
  QTest::keyClicks(Widget<QPlainTextEdit>("Text7"), "c");
  EXPECT_EQ(events_.events, (std::vector<std::string>{"text Text10", "text Text10", "text Text7"}));
  EXPECT_EQ(window_.Text("Text10"), "ab");
}

TEST_F(QtWindowTest, ClicksRaiseCommandsAfterTheStateChanged) {
  QTest::mouseClick(Widget<QPushButton>("Command8"), Qt::LeftButton);
  QTest::mouseClick(Widget<QCheckBox>("Check2"), Qt::LeftButton);
  EXPECT_EQ(events_.events, (std::vector<std::string>{"command Command8", "command Check2"}));
  EXPECT_TRUE(window_.Checked("Check2"));
}

TEST_F(QtWindowTest, OptionButtonsOfOneContainerFormOneGroup) {
  QTest::mouseClick(Widget<QRadioButton>("Option2"), Qt::LeftButton);
  EXPECT_TRUE(window_.Checked("Option2"));
  EXPECT_FALSE(window_.Checked("Option1"));
  // The other container's group is untouched.
  EXPECT_TRUE(window_.Checked("Option3"));
  window_.SetChecked("Option1", true);
  EXPECT_FALSE(window_.Checked("Option2"));
  window_.SetChecked("Option1", false);
  EXPECT_FALSE(window_.Checked("Option1"));
  EXPECT_EQ(events_.events, (std::vector<std::string>{"command Option2"}));
}

TEST_F(QtWindowTest, ListSelectionAndDoubleClickComeFromTheUser) {
  window_.SetListItems("List1", {"{S} - SP - a\r\nb", "two"});
  auto* list = Widget<QListWidget>("List1");
  EXPECT_EQ(list->item(0)->text(), QString::fromUtf8("{S} - SP - a\xc2\xb6"
                                                     "b"));
  const QRect second = list->visualItemRect(list->item(1));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
  EXPECT_EQ(window_.SelectedListIndex("List1"), 1);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second.center());
  ASSERT_FALSE(events_.events.empty());
  EXPECT_EQ(events_.events.front(), "select List1");
  EXPECT_EQ(events_.events.back(), "double List1");
}

TEST_F(QtWindowTest, MenuItemsRaiseCommandsAndKeepTheProgramsCheckMark) {
  Action("RunMinimized")->trigger();
  EXPECT_FALSE(window_.MenuChecked("RunMinimized"));
  EXPECT_FALSE(Action("RunMinimized")->isChecked());
  window_.SetMenuChecked("RunMinimized", true);
  Action("RunMinimized")->trigger();
  EXPECT_TRUE(Action("RunMinimized")->isChecked());
  Action("FileSave")->trigger();
  EXPECT_EQ(events_.events, (std::vector<std::string>{"command RunMinimized",
                                                      "command RunMinimized", "command FileSave"}));
}

TEST_F(QtWindowTest, MenuCaptionsCarryTheirAccessKeys) {
  const QList<QAction*> menus = static_cast<QMainWindow*>(window_.widget())->menuBar()->actions();
  ASSERT_EQ(menus.size(), 2);
  EXPECT_EQ(menus[0]->text(), "&File");
  EXPECT_EQ(menus[1]->text(), "&Options");
}

TEST_F(QtWindowTest, TabOrderFollowsTheDesign) {
  const char* order[] = {"Text10",   "Text7", "Option1", "Option2", "Check2",
                         "Command8", "List1", "Option3", "Option4"};
  // The next control in the focus chain, past the inner widgets of lists and editors.
  const auto next = [](QWidget* widget) {
    do {
      widget = widget->nextInFocusChain();
    } while (widget->objectName().isEmpty() || widget->objectName().startsWith("qt_"));
    return widget->objectName();
  };
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
    EXPECT_EQ(next(Widget<QWidget>(order[i])), order[i + 1]) << order[i];
  }
  EXPECT_EQ(Widget<QWidget>("Label8")->focusPolicy(), Qt::NoFocus);
}

TEST_F(QtWindowTest, ClosingAsksTheProgram) {
  window_.Show();
  window_.widget()->close();
  EXPECT_EQ(events_.events.back(), "close ");
  EXPECT_TRUE(window_.Visible());
  window_.Hide();
  EXPECT_FALSE(window_.Visible());
}

TEST_F(QtWindowTest, NoEventOnceTheProgramQuit) {
  gate_.closed = true;
  QTest::mouseClick(Widget<QPushButton>("Command8"), Qt::LeftButton);
  QTest::keyClicks(Widget<QLineEdit>("Text10"), "x");
  Action("FileSave")->trigger();
  EXPECT_TRUE(events_.events.empty());
}

TEST_F(QtWindowTest, UnknownIdsAndWrongKindsAreProgrammingErrors) {
  EXPECT_THROW(window_.Text("Text99"), std::out_of_range);
  EXPECT_THROW(window_.SetChecked("Text10", true), std::invalid_argument);
  EXPECT_THROW(window_.SetListItems("Text10", {}), std::invalid_argument);
  EXPECT_THROW(window_.Text("List1"), std::invalid_argument);
  EXPECT_THROW(window_.MenuChecked("Nothing"), std::out_of_range);
  EXPECT_THROW(window_.InsertListItem("List1", 5, "x"), std::out_of_range);
}

TEST(QtPopupTest, APopupStandsAtItsScreenRectangleWithoutTakingTheFocus) {
  EnsureQtApp();
  WindowDesign design;
  design.id = "Form2";
  design.style = WindowStyle::kPopup;
  design.popup_rect = {1500, 3000, 3000, 1500};
  design.controls = {{kListBox, "List1", "", "", {0, 0, 3000, 1500}, 0}};
  Recorder events;
  EventGate gate;
  QtWindow popup(design, events, gate);
  EXPECT_EQ(popup.widget()->geometry(), QRect(100, 200, 200, 100));
  EXPECT_TRUE(popup.widget()->windowFlags() & Qt::WindowDoesNotAcceptFocus);
  EXPECT_TRUE(popup.widget()->testAttribute(Qt::WA_ShowWithoutActivating));
  popup.Show();
  EXPECT_TRUE(popup.Visible());
  EXPECT_NE(QApplication::activeWindow(), popup.widget());
}

}  // namespace
}  // namespace keyloom
