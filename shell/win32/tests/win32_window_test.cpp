#include "shell/win32/win32_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/wide_text.h"
#include "shell/win32/twips.h"

namespace keyloom {
namespace {

class RecordingEvents final : public WindowEvents {
 public:
  void OnCommand(std::string_view id) override { seen.push_back("command " + std::string(id)); }
  void OnTextChanged(std::string_view id) override { seen.push_back("text " + std::string(id)); }
  void OnListSelectionChanged(std::string_view id) override {
    seen.push_back("select " + std::string(id));
  }
  void OnResized() override { seen.push_back("resized"); }
  std::vector<std::string> seen;
};

WindowDesign TestDesign() {
  WindowDesign design;
  design.id = "Form1";
  design.caption = "Test \xD0\x96";
  design.client_size = {4500, 3000};
  design.menus = {{"&File", {{"Exit", "Exit"}, {"RunMinimized", "Run Minimized", false}}}};
  ControlDesign panel{ControlKind::kFrame, "Panel", "", "Frame", {300, 600, 2000, 1000}};
  panel.borderless = true;
  design.controls = {
      {ControlKind::kFrame, "Frame", "Group", "", {150, 150, 4000, 2500}},
      {ControlKind::kTextBox, "Text1", "start", "Frame", {150, 300, 1500, 285}, 0},
      {ControlKind::kOptionButton, "Option1", "One", "Frame", {150, 600, 1000, 255}, 1, true},
      {ControlKind::kOptionButton, "Option2", "Two", "Frame", {1200, 600, 1000, 255}, 2},
      panel,
      {ControlKind::kCheckBox, "Check1", "Check", "Panel", {0, 300, 1200, 255}, 3},
      {ControlKind::kListBox, "List1", "", "Frame", {2000, 300, 1800, 1500}, 4},
      {ControlKind::kLabel, "Label1", "Label", "Frame", {150, 2000, 1500, 255}},
  };
  return design;
}

class Win32WindowTest : public ::testing::Test {
 protected:
  Win32WindowTest() : window_(TestDesign(), events_, stopped_) {}

  // Where a control stands in the window's client area, in pixels.
  PixelRect ClientRect(std::string_view id) {
    RECT rect{};
    GetWindowRect(window_.ControlHandle(id), &rect);
    MapWindowPoints(nullptr, window_.handle(), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
  }

  bool stopped_ = false;
  RecordingEvents events_;
  Win32Window window_;
};

TEST_F(Win32WindowTest, TextsKeepEveryCharacter) {
  EXPECT_EQ(window_.Text("Text1"), "start");
  const std::string text = "caf\xC3\xA9 \xD0\x96 \xF0\x9F\x98\x80";
  window_.SetText("Text1", text);
  EXPECT_EQ(window_.Text("Text1"), text);
  window_.SetText("Panel", "kept");
  EXPECT_EQ(window_.Text("Panel"), "kept");
  EXPECT_EQ(window_.Text("Frame"), "Group");
}

TEST_F(Win32WindowTest, ChangesTheProgramMakesRaiseNoEvents) {
  window_.SetText("Text1", "changed");
  window_.SetListItems("List1", {"a", "b"});
  window_.SetSelectedListIndex("List1", 1);
  window_.SetChecked("Check1", true);
  window_.SetSize({6000, 4000});
  EXPECT_TRUE(events_.seen.empty());
}

TEST_F(Win32WindowTest, CheckingAnOptionUnchecksTheOthersOfItsContainer) {
  EXPECT_TRUE(window_.Checked("Option1"));
  window_.SetChecked("Option2", true);
  EXPECT_TRUE(window_.Checked("Option2"));
  EXPECT_FALSE(window_.Checked("Option1"));
}

TEST_F(Win32WindowTest, ListItemsAndSelectionFollowTheCalls) {
  window_.SetListItems("List1", {"alpha", "gamma"});
  EXPECT_EQ(window_.SelectedListIndex("List1"), -1);
  window_.SetSelectedListIndex("List1", 1);
  window_.InsertListItem("List1", 1, "beta");
  // The selection stays on its item.
  EXPECT_EQ(window_.SelectedListIndex("List1"), 2);
  window_.RemoveListItem("List1", 0);
  EXPECT_EQ(window_.SelectedListIndex("List1"), 1);
  window_.SetSelectedListIndex("List1", -1);
  EXPECT_EQ(window_.SelectedListIndex("List1"), -1);
}

// What the list box shows, item by item.
std::vector<std::string> Shown(HWND list) {
  std::vector<std::string> texts;
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring text(
        static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0)),
        L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    texts.push_back(WideToUtf8(text));
  }
  return texts;
}

TEST_F(Win32WindowTest, ANumberedListShowsNumbersBeforeItsItemsAndKeepsItsSelection) {
  window_.SetListItems("List1", {"b"});
  window_.SetListNumbered("List1", true);
  EXPECT_EQ(Shown(window_.ControlHandle("List1")), (std::vector<std::string>{"1. b"}));
  window_.SetSelectedListIndex("List1", 0);
  window_.InsertListItem("List1", 0, "a");
  window_.InsertListItem("List1", 2, "c");
  EXPECT_EQ(Shown(window_.ControlHandle("List1")),
            (std::vector<std::string>{"1. a", "2. b", "3. c"}));
  EXPECT_EQ(window_.SelectedListIndex("List1"), 1);
  window_.RemoveListItem("List1", 0);
  EXPECT_EQ(Shown(window_.ControlHandle("List1")), (std::vector<std::string>{"1. b", "2. c"}));
  window_.SetListItems("List1", {"x", "y"});
  EXPECT_EQ(Shown(window_.ControlHandle("List1")), (std::vector<std::string>{"1. x", "2. y"}));
  window_.SetListNumbered("List1", false);
  EXPECT_EQ(Shown(window_.ControlHandle("List1")), (std::vector<std::string>{"x", "y"}));
}

TEST_F(Win32WindowTest, ControlsStandAtTheirTwipsInsideTheirContainers) {
  const int dpi = window_.dpi();
  // Text1 lies at (150, 300) in Frame, which lies at (150, 150).
  EXPECT_EQ(ClientRect("Text1"), TwipsToPixels(TwipRect{300, 450, 1500, 285}, dpi));
  // Check1 lies in the borderless Panel, itself in Frame.
  EXPECT_EQ(ClientRect("Check1"), TwipsToPixels(TwipRect{450, 1050, 1200, 255}, dpi));
}

TEST_F(Win32WindowTest, MovingAContainerMovesWhatItHolds) {
  window_.SetRect("Panel", {300, 900, 2000, 1000});
  EXPECT_EQ(window_.Rect("Panel"), (TwipRect{300, 900, 2000, 1000}));
  EXPECT_EQ(ClientRect("Check1"), TwipsToPixels(TwipRect{450, 1350, 1200, 255}, window_.dpi()));
}

TEST_F(Win32WindowTest, TheOuterSizeIncludesTheFrameAndMenu) {
  const TwipSize size = window_.Size();
  EXPECT_GT(size.width, 4500);
  EXPECT_GT(size.height, 3000);
  window_.SetSize({7000, 5000});
  const TwipSize resized = window_.Size();
  EXPECT_NEAR(resized.width, 7000, 15);
  EXPECT_NEAR(resized.height, 5000, 15);
}

TEST_F(Win32WindowTest, MenuChecksFollowTheCalls) {
  EXPECT_FALSE(window_.MenuChecked("RunMinimized"));
  window_.SetMenuChecked("RunMinimized", true);
  EXPECT_TRUE(window_.MenuChecked("RunMinimized"));
}

TEST_F(Win32WindowTest, TheUsersClickRaisesACommand) {
  SendMessageW(window_.ControlHandle("Check1"), BM_CLICK, 0, 0);
  EXPECT_EQ(events_.seen, (std::vector<std::string>{"command Check1"}));
  EXPECT_TRUE(window_.Checked("Check1"));
}

TEST_F(Win32WindowTest, NoEventOnceStopped) {
  stopped_ = true;
  SendMessageW(window_.ControlHandle("Check1"), BM_CLICK, 0, 0);
  EXPECT_TRUE(events_.seen.empty());
}

TEST_F(Win32WindowTest, AnUnknownControlIsAProgrammingError) {
  EXPECT_THROW(window_.Text("Nothing"), std::out_of_range);
  EXPECT_THROW(window_.MenuChecked("Nothing"), std::out_of_range);
}

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

TEST_F(Win32WindowTest, TheFirstShowLaysOutAndTheUsersResizesDoAgain) {
  window_.Show();
  PumpMessages();
  EXPECT_EQ(events_.seen, (std::vector<std::string>{"resized"}));
  // The user drags the window's edge: the system resizes it.
  SetWindowPos(window_.handle(), nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);
  PumpMessages();
  EXPECT_EQ(events_.seen, (std::vector<std::string>{"resized", "resized"}));
  window_.Hide();
}

TEST_F(Win32WindowTest, MainWindowsUseDialogNavigation) {
  EXPECT_TRUE(Win32Window::UsesDialogNavigation(window_.handle()));
}

TEST(Win32PopupTest, APopupStandsAtItsScreenRectangleOutOfTheTaskbar) {
  bool stopped = false;
  RecordingEvents events;
  WindowDesign design;
  design.id = "Form2";
  design.style = WindowStyle::kPopup;
  design.popup_rect = {0, 0, 3360, 2085};
  design.controls = {{ControlKind::kListBox, "List1", "", "", {0, 0, 3375, 2085}}};
  Win32Window popup(design, events, stopped);
  RECT rect{};
  GetWindowRect(popup.handle(), &rect);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 0);
  EXPECT_EQ(rect.right - rect.left, TwipsToPixels(3360, popup.dpi()));
  EXPECT_TRUE(GetWindowLongPtrW(popup.handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(GetWindowLongPtrW(popup.handle(), GWL_EXSTYLE) & WS_EX_NOACTIVATE);
  EXPECT_FALSE(Win32Window::UsesDialogNavigation(popup.handle()));
  popup.Show();
  EXPECT_TRUE(popup.Visible());
  popup.Hide();
  EXPECT_FALSE(popup.Visible());
}

}  // namespace
}  // namespace keyloom
