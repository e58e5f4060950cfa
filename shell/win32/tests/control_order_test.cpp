#include "shell/win32/control_order.h"

#include <gtest/gtest.h>

#include <string>

#include "keyloom/keyloom_window_design.h"
#include "quipcast/quipcast_window_design.h"

namespace keyloom {
namespace {

std::vector<std::string> Ids(const WindowDesign& design, const ControlOrder& order) {
  std::vector<std::string> ids;
  for (const std::size_t index : order.order) ids.push_back(design.controls[index].id);
  return ids;
}

bool StartsGroup(const WindowDesign& design, const ControlOrder& order, std::string_view id) {
  for (std::size_t i = 0; i < design.controls.size(); ++i) {
    if (design.controls[i].id == id) return order.group_start[i];
  }
  ADD_FAILURE() << "no control " << id;
  return false;
}

TEST(ControlOrderTest, QuipcastFollowsItsTabOrderWithTheFrameBeneath) {
  const WindowDesign design = QuipcastWindowDesign();
  const ControlOrder order = OrderControls(design.controls);
  EXPECT_EQ(
      Ids(design, order),
      (std::vector<std::string>{"Text10", "Text7", "Option1", "Option2", "Check2", "Command8",
                                "List1", "Check8", "Command3", "Command2", "Command1", "Option3",
                                "Option4", "Option5", "Text11", "Label8", "Frame2", "Frame3"}));
}

TEST(ControlOrderTest, AdjacentOptionButtonsOfOneContainerFormOneGroup) {
  const WindowDesign design = QuipcastWindowDesign();
  const ControlOrder order = OrderControls(design.controls);
  EXPECT_TRUE(StartsGroup(design, order, "Option1"));
  EXPECT_FALSE(StartsGroup(design, order, "Option2"));
  EXPECT_TRUE(StartsGroup(design, order, "Check2"));
  EXPECT_TRUE(StartsGroup(design, order, "Text7"));
}

TEST(ControlOrderTest, OptionButtonsOfDifferentContainersAreGroupsOfTheirOwn) {
  std::vector<ControlDesign> controls = {
      {ControlKind::kOptionButton, "A", "", "FrameA", {}, 0},
      {ControlKind::kOptionButton, "B", "", "FrameB", {}, 1},
  };
  const ControlOrder order = OrderControls(controls);
  EXPECT_TRUE(order.group_start[0]);
  EXPECT_TRUE(order.group_start[1]);
}

TEST(ControlOrderTest, KeyloomPutsBothFramesLast) {
  const WindowDesign design = KeyloomWindowDesign();
  const std::vector<std::string> ids = Ids(design, OrderControls(design.controls));
  ASSERT_GE(ids.size(), 2u);
  EXPECT_EQ(ids[0], "Text7");
  EXPECT_EQ(ids[ids.size() - 2], "Frame2");
  EXPECT_EQ(ids.back(), "Frame1");
}

}  // namespace
}  // namespace keyloom
