#include "shell/qt/qt_timer.h"

#include <gtest/gtest.h>

#include <QTest>

#include "shell/qt/tests/qt_app.h"

namespace keyloom {
namespace {

class QtTimerTest : public testing::Test {
 protected:
  void SetUp() override { EnsureQtApp(); }
  QtAppGuard app_;
  EventGate gate_;
  int ticks_ = 0;
  QtTimer timer_{[this] { ++ticks_; }, gate_};
};

TEST_F(QtTimerTest, StartsDisabled) {
  EXPECT_FALSE(timer_.Enabled());
  EXPECT_EQ(timer_.Interval(), 0);
}

TEST_F(QtTimerTest, TicksWhileEnabled) {
  timer_.SetInterval(5);
  timer_.SetEnabled(true);
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks_ >= 2; }, 5000));
  timer_.SetEnabled(false);
  const int ticks = ticks_;
  QTest::qWait(50);
  EXPECT_EQ(ticks_, ticks);
}

TEST_F(QtTimerTest, IntervalZeroNeverTicksButStaysEnabled) {
  timer_.SetEnabled(true);
  QTest::qWait(50);
  EXPECT_EQ(ticks_, 0);
  EXPECT_TRUE(timer_.Enabled());
  timer_.SetInterval(5);
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks_ >= 1; }, 5000));
}

TEST_F(QtTimerTest, NoTickOnceTheProgramQuit) {
  timer_.SetInterval(5);
  timer_.SetEnabled(true);
  gate_.closed = true;
  QTest::qWait(50);
  EXPECT_EQ(ticks_, 0);
}

}  // namespace
}  // namespace keyloom
