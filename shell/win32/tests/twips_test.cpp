#include "shell/win32/twips.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

struct Mapping {
  int twips;
  int dpi;
  int pixels;
};

class TwipsMapping : public ::testing::TestWithParam<Mapping> {};

TEST_P(TwipsMapping, MapsToPixelsAtTheDpi) {
  EXPECT_EQ(TwipsToPixels(GetParam().twips, GetParam().dpi), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Values, TwipsMapping,
                         ::testing::Values(Mapping{1440, 96, 96}, Mapping{15, 96, 1},
                                           Mapping{6090, 96, 406}, Mapping{6090, 144, 609},
                                           Mapping{1440, 192, 192}, Mapping{7, 96, 0},
                                           Mapping{8, 96, 1}, Mapping{-15, 96, -1},
                                           Mapping{0, 120, 0}));

TEST(TwipsTest, PixelsMapBackToTwips) {
  EXPECT_EQ(PixelsToTwips(96, 96), 1440);
  EXPECT_EQ(PixelsToTwips(406, 96), 6090);
  EXPECT_EQ(PixelsToTwips(1, 144), 10);
  EXPECT_EQ(PixelsToTwips(5, 0), 0);
}

TEST(TwipsTest, TouchingRectanglesStillTouchInPixels) {
  // 100 twips at 144 DPI is 10 pixels; sizes rounded alone would leave gaps or overlaps.
  const PixelRect first = TwipsToPixels(TwipRect{0, 0, 105, 105}, 144);
  const PixelRect second = TwipsToPixels(TwipRect{105, 105, 105, 105}, 144);
  EXPECT_EQ(first.left + first.width, second.left);
  EXPECT_EQ(first.top + first.height, second.top);
}

}  // namespace
}  // namespace keyloom
