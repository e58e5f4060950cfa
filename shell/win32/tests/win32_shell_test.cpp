#include "shell/win32/win32_shell.h"

#include <gtest/gtest.h>

#include <vector>

#include "shell/win32/win32_tray_icon.h"

namespace keyloom {
namespace {

// Runs the thread's messages until `done` or until `rounds` rounds of 10 ms have passed.
template <typename Done>
bool PumpUntil(Done done, int rounds = 500) {
  for (int round = 0; round < rounds && !done(); ++round) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(10);
  }
  return done();
}

TEST(Win32ShellTest, AnEnabledTimerTicksAndADisabledOneDoesNot) {
  Win32Shell shell;
  int ticks = 0;
  int quiet_ticks = 0;
  auto timer = shell.CreateTimer([&] { ++ticks; });
  auto quiet = shell.CreateTimer([&] { ++quiet_ticks; });
  timer->SetInterval(20);
  timer->SetEnabled(true);
  quiet->SetInterval(20);
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }));
  EXPECT_EQ(quiet_ticks, 0);
  timer->SetEnabled(false);
  EXPECT_FALSE(timer->Enabled());
}

TEST(Win32ShellTest, ATimerWithoutIntervalNeverTicks) {
  Win32Shell shell;
  int ticks = 0;
  auto timer = shell.CreateTimer([&] { ++ticks; });
  timer->SetEnabled(true);
  PumpUntil([] { return false; }, 10);
  EXPECT_EQ(ticks, 0);
}

TEST(Win32ShellTest, QuitEndsTheLoopWithItsCode) {
  Win32Shell shell;
  auto timer = shell.CreateTimer([&] { shell.Quit(3); });
  timer->SetInterval(10);
  timer->SetEnabled(true);
  EXPECT_EQ(shell.Run(), 3);
  EXPECT_TRUE(shell.stopped());
}

TEST(Win32ShellTest, ATickAfterQuitRunsNothing) {
  Win32Shell shell;
  int ticks = 0;
  auto timer = shell.CreateTimer([&] { ++ticks; });
  timer->SetInterval(10);
  timer->SetEnabled(true);
  shell.Quit(0);
  PumpUntil([] { return false; }, 10);
  EXPECT_EQ(ticks, 0);
}

class NoTrayEvents final : public TrayEvents {
 public:
  void OnTrayMouse(int mouse_code) override { codes.push_back(mouse_code); }
  std::vector<int> codes;
};

TEST(Win32ShellTest, TheTrayIconIsAddedOnceAndAgainAfterTheTaskbarCameBack) {
  Win32Shell shell;
  NoTrayEvents events;
  auto tray = shell.CreateTrayIcon(events);
  ASSERT_TRUE(tray->Available());
  EXPECT_TRUE(tray->Add("Tip"));
  EXPECT_FALSE(tray->Add("Tip"));

  // Explorer restarts: its icons are gone, and it says so to every top-level window.
  const HWND shell_window = FindWindowW(L"KeyloomShellWindow", nullptr);
  ASSERT_NE(shell_window, nullptr);
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof record;
  record.hWnd = shell_window;
  record.uID = 1;
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &record));
  EXPECT_TRUE(Shell_NotifyIconW(NIM_ADD, &record));
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &record));
  SendMessageW(shell_window, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  // The icon is back, so the shell refuses both a second add and ours.
  EXPECT_FALSE(Shell_NotifyIconW(NIM_ADD, &record));
  EXPECT_FALSE(tray->Add("Tip"));
}

TEST(Win32ShellTest, TrayNotificationsCarryTheMouseMessage) {
  Win32Shell shell;
  NoTrayEvents events;
  auto tray = shell.CreateTrayIcon(events);
  const HWND shell_window = FindWindowW(L"KeyloomShellWindow", nullptr);
  ASSERT_NE(shell_window, nullptr);
  // The first icon's callback message, as the shell sends it for a left click.
  SendMessageW(shell_window, Win32Shell::kTrayMessageBase + 1, 1, WM_LBUTTONDOWN);
  EXPECT_EQ(events.codes, (std::vector<int>{WM_LBUTTONDOWN}));
  shell.Quit(0);
  SendMessageW(shell_window, Win32Shell::kTrayMessageBase + 1, 1, WM_RBUTTONDOWN);
  EXPECT_EQ(events.codes, (std::vector<int>{WM_LBUTTONDOWN}));
}

}  // namespace
}  // namespace keyloom
