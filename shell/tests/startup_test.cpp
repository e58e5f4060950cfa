#include "shell/startup.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace keyloom {
namespace {

TEST(RunStartupStepsTest, RunsEveryStepInOrderPastFailures) {
  std::string ran;
  RunStartupSteps({
      [&] { ran += '1'; },
      [&] {
        ran += '2';
        throw std::runtime_error("tray refused");
      },
      [&] {
        ran += '3';
        throw 42;  // not even an exception class
      },
      [&] { ran += '4'; },
  });
  EXPECT_EQ(ran, "1234");
}

}  // namespace
}  // namespace keyloom
