#include "shell/fake/fake_shell.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace keyloom {
namespace {

class FakeTimerTest : public testing::Test {
 protected:
  std::unique_ptr<Timer> MakeTimer(std::string name) {
    return shell_.CreateTimer([this, name] { ticks_.push_back(name + "@" + Now()); });
  }
  std::string Now() { return std::to_string(shell_.timers().now()); }

  FakeShell shell_;
  std::vector<std::string> ticks_;
};

TEST_F(FakeTimerTest, TicksEveryIntervalWhileEnabled) {
  auto timer = MakeTimer("t");
  timer->SetInterval(100);
  shell_.Advance(500);
  EXPECT_TRUE(ticks_.empty());  // created disabled
  timer->SetEnabled(true);
  shell_.Advance(250);
  EXPECT_EQ(ticks_, (std::vector<std::string>{"t@600", "t@700"}));
  timer->SetEnabled(true);  // already enabled: the count goes on
  shell_.Advance(50);
  EXPECT_EQ(ticks_.back(), "t@800");
  timer->SetEnabled(false);
  shell_.Advance(1000);
  EXPECT_EQ(ticks_.size(), 3u);
}

TEST_F(FakeTimerTest, RestartStartsTheIntervalAgain) {
  auto timer = MakeTimer("t");
  timer->SetInterval(100);
  timer->SetEnabled(true);
  shell_.Advance(90);
  timer->Restart();
  shell_.Advance(90);
  EXPECT_TRUE(ticks_.empty());
  shell_.Advance(10);
  EXPECT_EQ(ticks_, (std::vector<std::string>{"t@190"}));
}

TEST_F(FakeTimerTest, IntervalZeroNeverTicks) {
  auto timer = MakeTimer("t");
  timer->SetEnabled(true);
  shell_.Advance(10000);
  EXPECT_TRUE(ticks_.empty());
  timer->SetInterval(100);
  shell_.Advance(100);
  EXPECT_EQ(ticks_, (std::vector<std::string>{"t@10100"}));
}

TEST_F(FakeTimerTest, FiresInTimeOrderAndSeesChangesMadeByTicks) {
  auto slow = MakeTimer("slow");
  auto fast = MakeTimer("fast");
  slow->SetInterval(300);
  fast->SetInterval(200);
  slow->SetEnabled(true);
  fast->SetEnabled(true);
  // The first tick of `fast` stops `slow` before it is due.
  Timer* slow_timer = slow.get();
  auto stopper = shell_.CreateTimer([slow_timer] { slow_timer->SetEnabled(false); });
  stopper->SetInterval(250);
  stopper->SetEnabled(true);
  shell_.Advance(700);
  EXPECT_EQ(ticks_, (std::vector<std::string>{"fast@200", "fast@400", "fast@600"}));
}

TEST_F(FakeTimerTest, NothingTicksAfterQuit) {
  auto timer = MakeTimer("t");
  timer->SetInterval(10);
  timer->SetEnabled(true);
  shell_.Quit(3);
  shell_.Advance(100);
  EXPECT_TRUE(ticks_.empty());
  EXPECT_EQ(shell_.Run(), 3);
}

class TrayRecorder : public TrayEvents {
 public:
  void OnTrayMouse(int code) override { codes.push_back(code); }
  std::vector<int> codes;
};

TEST(FakeTrayIconTest, AddsOnceUntilTheShellRemovesIt) {
  FakeShell shell;
  TrayRecorder events;
  auto tray = shell.CreateTrayIcon(events);
  EXPECT_TRUE(tray->Add("tip"));
  EXPECT_FALSE(tray->Add("tip"));
  shell.tray().RemoveByShell();
  EXPECT_TRUE(tray->Add("again"));
  EXPECT_EQ(shell.tray().added_tips(), (std::vector<std::string>{"tip", "again"}));
  shell.tray().Mouse(TrayMouse::kLeftUp);
  EXPECT_EQ(events.codes, (std::vector<int>{514}));
  shell.set_tray_available(false);
  EXPECT_FALSE(tray->Available());
}

TEST(FakeDialogsTest, AnswersFromTheScriptOnly) {
  FakeDialogs dialogs;
  dialogs.QueueOpen("/a.kyl");
  dialogs.QueueAnswer(false);
  EXPECT_EQ(dialogs.ShowOpen(), "/a.kyl");
  EXPECT_FALSE(dialogs.AskYesNo("Sure?", "Keyloom"));
  EXPECT_TRUE(dialogs.AllAnswered());
  EXPECT_THROW(dialogs.ShowSave(), std::logic_error);
  EXPECT_THROW(dialogs.AskYesNo("Again?", "Keyloom"), std::logic_error);
  ASSERT_EQ(dialogs.questions().size(), 2u);
  EXPECT_EQ(dialogs.questions()[0].title, "Keyloom");
}

TEST(FakeShellTest, KeepsTheLatestWindowPerDesign) {
  FakeShell shell;
  class NoEvents : public WindowEvents {
    void OnCommand(std::string_view) override {}
  } events;
  WindowDesign design;
  design.id = "Form2";
  {
    auto window = shell.CreateWindow(design, events);
    EXPECT_EQ(&shell.window("Form2"), window.get());
  }
  EXPECT_FALSE(shell.HasWindow("Form2"));
  EXPECT_THROW(shell.window("Form2"), std::out_of_range);
}

}  // namespace
}  // namespace keyloom
