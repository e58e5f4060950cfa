#include "shell/layout.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

// The design rectangles of the two main windows.
LayoutRects QuipcastDesign() {
  return {{120, 0, 5895, 5115}, {240, 1980, 5535, 2985}, {2160, 480, 3375, 765}, {}};
}
LayoutRects KeyloomDesign() {
  return {
      {0, 0, 5535, 4815}, {240, 1080, 5175, 1815}, {240, 360, 5175, 285}, {240, 3000, 4095, 1695}};
}

TEST(QuipcastLayoutTest, SizesFromTheWindow) {
  const LayoutRects r = QuipcastLayout({7000, 8000}, QuipcastDesign());
  EXPECT_EQ(r.frame2, (TwipRect{120, 0, 6650, 7300}));
  EXPECT_EQ(r.list1, (TwipRect{240, 1980, 6250, 5300}));
  EXPECT_EQ(r.text7, (TwipRect{2160, 480, 4350, 765}));
}

TEST(QuipcastLayoutTest, NegativeStepKeepsItsValueAndLaterStepsGoOn) {
  // Text7 would be 1250 - 1900 wide: it keeps its width, while the steps after it run.
  const LayoutRects r = QuipcastLayout({2000, 3000}, QuipcastDesign());
  EXPECT_EQ(r.frame2.width, 1650);
  EXPECT_EQ(r.list1.width, 1250);
  EXPECT_EQ(r.text7.width, 3375);
  EXPECT_EQ(r.list1.height, 300);
  EXPECT_EQ(r.frame2.height, 2300);
}

TEST(QuipcastLayoutTest, LaterStepsReadTheValuesThatStayed) {
  // Frame2 keeps 5895 (the window is too narrow), so List1 follows the kept width.
  const LayoutRects r = QuipcastLayout({300, 500}, QuipcastDesign());
  EXPECT_EQ(r.frame2.width, 5895);
  EXPECT_EQ(r.list1.width, 5495);
  EXPECT_EQ(r.text7.width, 3595);
  EXPECT_EQ(r.list1.height, 2985);
  EXPECT_EQ(r.frame2.height, 5115);
}

TEST(QuipcastLayoutTest, WideningAgainRestoresTheLayout) {
  const TwipSize large{7000, 8000};
  const LayoutRects shrunk = QuipcastLayout({0, 0}, QuipcastLayout({1000, 1000}, QuipcastDesign()));
  EXPECT_EQ(QuipcastLayout(large, shrunk), QuipcastLayout(large, QuipcastDesign()));
}

TEST(QuipcastLayoutTest, LeavesFrame1Alone) {
  LayoutRects design = QuipcastDesign();
  design.frame1 = {1, 2, 3, 4};
  EXPECT_EQ(QuipcastLayout({7000, 8000}, design).frame1, (TwipRect{1, 2, 3, 4}));
}

TEST(KeyloomLayoutTest, FirstRunListHeightComesFromTheDesignFrame) {
  for (const int height : {3000, 5790, 9000}) {
    const LayoutRects r = KeyloomLayout({6950, height}, KeyloomDesign());
    EXPECT_EQ(r.list1.height, 2115) << height;
    EXPECT_EQ(r.frame2.height, height - 700);
    EXPECT_EQ(r.frame1.top, height - 700 - 1750);
  }
}

TEST(KeyloomLayoutTest, SizesFromTheWindow) {
  const LayoutRects r = KeyloomLayout({6950, 5790}, KeyloomDesign());
  EXPECT_EQ(r.frame2, (TwipRect{0, 0, 6750, 5090}));
  EXPECT_EQ(r.list1, (TwipRect{240, 1080, 6350, 2115}));
  EXPECT_EQ(r.text7, (TwipRect{240, 360, 6350, 285}));
  EXPECT_EQ(r.frame1, (TwipRect{240, 3340, 4095, 1695}));
}

TEST(KeyloomLayoutTest, LaterRunsFollowTheFrameHeightOfTheRunBefore) {
  const LayoutRects first = KeyloomLayout({6950, 8000}, KeyloomDesign());
  const LayoutRects second = KeyloomLayout({6950, 6000}, first);
  EXPECT_EQ(second.list1.height, 7300 - 2700);
  const LayoutRects third = KeyloomLayout({6950, 6000}, second);
  EXPECT_EQ(third.list1.height, 5300 - 2700);
}

TEST(KeyloomLayoutTest, FrameTopCountsInTheListHeight) {
  LayoutRects design = KeyloomDesign();
  design.frame2.top = 300;
  EXPECT_EQ(KeyloomLayout({6950, 5790}, design).list1.height, 4815 - 300 - 2700);
}

TEST(KeyloomLayoutTest, TinyWindowKeepsSizesButMovesThePanelAboveTheTop) {
  const LayoutRects r = KeyloomLayout({150, 1000}, KeyloomDesign());
  EXPECT_EQ(r.frame2.width, 5535);
  EXPECT_EQ(r.list1.width, 5135);
  EXPECT_EQ(r.text7.width, 5135);
  EXPECT_EQ(r.frame2.height, 300);
  EXPECT_EQ(r.frame1.top, -1450);
  // The next run reads the small frame: List1 would be negative and keeps 2115.
  const LayoutRects next = KeyloomLayout({150, 1000}, r);
  EXPECT_EQ(next.list1.height, 2115);
}

TEST(KeyloomLayoutTest, WideningAgainRestoresTheLayout) {
  const TwipSize large{6950, 5790};
  const LayoutRects expected = KeyloomLayout(large, KeyloomLayout(large, KeyloomDesign()));
  LayoutRects r = KeyloomLayout({0, 0}, KeyloomLayout(large, KeyloomDesign()));
  r = KeyloomLayout(large, KeyloomLayout(large, r));
  EXPECT_EQ(r, expected);
}

}  // namespace
}  // namespace keyloom
