#include <gtest/gtest.h>

#include "platform/x11/x11_caret_locator.h"

namespace keyloom {
namespace {

struct ScaleCase {
  const char* name;
  ScreenRect device;
  ScreenRect screen;
  double ratio;
  ScreenRect logical;
};

class DeviceToLogicalTest : public testing::TestWithParam<ScaleCase> {};

TEST_P(DeviceToLogicalTest, ScalesFromTheScreensCorner) {
  EXPECT_EQ(DeviceToLogical(GetParam().device, GetParam().screen, GetParam().ratio),
            GetParam().logical);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeviceToLogicalTest,
    testing::Values(
        ScaleCase{"Unscaled", {300, 200, 1, 17}, {0, 0, 1024, 768}, 1.0, {300, 200, 1, 17}},
        ScaleCase{"Double", {300, 200, 1, 34}, {0, 0, 512, 384}, 2.0, {150, 100, 1, 17}},
        ScaleCase{"SecondScreen", {2224, 100, 2, 40}, {1920, 0, 1280, 720}, 2.0, {2072, 50, 1, 20}},
        ScaleCase{"OneAndAHalf", {301, 200, 1, 25}, {0, 0, 1365, 1024}, 1.5, {201, 133, 1, 17}}),
    [](const testing::TestParamInfo<ScaleCase>& param) { return param.param.name; });

}  // namespace
}  // namespace keyloom
