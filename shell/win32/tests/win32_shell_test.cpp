#include "shell/win32/win32_shell.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace keyloom
