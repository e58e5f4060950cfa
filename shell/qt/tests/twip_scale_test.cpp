#include "shell/qt/twip_scale.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

TEST(TwipScaleTest, FifteenTwipsPerPixelAtNinetySixDots) {
  const TwipScale scale(96);
  EXPECT_EQ(scale.ToPixels(1440), 96);
  EXPECT_EQ(scale.ToPixels(6090), 406);
  EXPECT_EQ(scale.ToPixels(7), 0);
  EXPECT_EQ(scale.ToPixels(8), 1);
  EXPECT_EQ(scale.ToTwips(406), 6090);
}

TEST(TwipScaleTest, FollowsTheScreensDots) {
  const TwipScale scale(144);
  EXPECT_EQ(scale.ToPixels(1440), 144);
  EXPECT_EQ(scale.ToPixels(6090), 609);
  EXPECT_EQ(scale.ToTwips(609), 6090);
}

TEST(TwipScaleTest, RectanglesThatTouchInTwipsTouchInPixels) {
  const TwipScale scale(120);
  const TwipRect left{0, 0, 1005, 255};
  const TwipRect right{1005, 0, 1005, 255};
  const auto a = scale.ToPixels(left);
  const auto b = scale.ToPixels(right);
  EXPECT_EQ(a.left + a.width, b.left);
}

}  // namespace
}  // namespace keyloom
