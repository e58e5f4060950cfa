#include "platform/caret_placement.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

struct PlacementCase {
  const char* name;
  ScreenRect caret;
  ScreenRect work_area;
  ScreenRect expected;  // for a pop-up of 224 x 139 pixels
};

class CaretPlacementTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(CaretPlacementTest, StandsBesideTheCaretInsideTheWorkArea) {
  const PlacementCase& c = GetParam();
  EXPECT_EQ(PopupBesideCaret({c.caret, c.work_area}, 224, 139), c.expected);
}

constexpr ScreenRect kScreen{0, 0, 1024, 768};
constexpr ScreenRect kRightMonitor{1024, 0, 1280, 984};  // a task bar below

INSTANTIATE_TEST_SUITE_P(
    Cases, CaretPlacementTest,
    testing::Values(
        PlacementCase{"Below", {100, 200, 1, 16}, kScreen, {100, 216, 224, 139}},
        PlacementCase{"AboveNearTheBottom", {100, 700, 1, 16}, kScreen, {100, 561, 224, 139}},
        PlacementCase{"JustFitsBelow", {100, 613, 1, 16}, kScreen, {100, 629, 224, 139}},
        PlacementCase{"InFromTheRightEdge", {1000, 200, 1, 16}, kScreen, {800, 216, 224, 139}},
        PlacementCase{"InFromTheLeftEdge", {-30, 200, 1, 16}, kScreen, {0, 216, 224, 139}},
        PlacementCase{
            "OnTheCaretsMonitor", {2200, 100, 2, 20}, kRightMonitor, {2080, 120, 224, 139}},
        PlacementCase{"AboveTheTaskBar", {1100, 900, 2, 20}, kRightMonitor, {1100, 761, 224, 139}},
        // A tall caret in a short area fits neither side: the pop-up stays inside the area.
        PlacementCase{
            "NoRoomEitherSide", {100, 50, 1, 120}, {0, 0, 1024, 250}, {100, 111, 224, 139}},
        PlacementCase{
            "AreaSmallerThanThePopUp", {50, 20, 1, 16}, {0, 0, 200, 100}, {0, 0, 224, 139}}),
    [](const testing::TestParamInfo<PlacementCase>& param) { return param.param.name; });

}  // namespace
}  // namespace keyloom
