#include "completion/status_line.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "keyloom/keyloom_window_design.h"

namespace keyloom {
namespace {

const TwipRect& DesignRect(const WindowDesign& design, std::string_view id) {
  return std::find_if(design.controls.begin(), design.controls.end(),
                      [&](const ControlDesign& c) { return c.id == id; })
      ->rect;
}

TEST(StatusLineTest, TheDesignFollowsTheRule) {
  const WindowDesign design = KeyloomWindowDesign();
  EXPECT_EQ(DesignRect(design, "StatusLine"),
            StatusLineRect(DesignRect(design, "Frame2"), DesignRect(design, "Frame1")));
}

TEST(StatusLineTest, StandsBesideThePanelAndTakesTheRestOfTheFrame) {
  EXPECT_EQ(StatusLineRect({0, 0, 8000, 6000}, {240, 4250, 4500, 1695}),
            (TwipRect{4860, 5210, 3020, 510}));
  // A frame narrower than the panel leaves no width rather than a negative one.
  EXPECT_EQ(StatusLineRect({0, 0, 3000, 6000}, {240, -100, 4095, 1695}).width, 0);
}

}  // namespace
}  // namespace keyloom
