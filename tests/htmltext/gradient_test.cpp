#include "htmltext/gradient.h"

#include <gtest/gtest.h>

#include "htmltext/fixed_metric_canvas.h"

namespace kova {
namespace {

std::vector<CanvasOp> Fill(const Rect& rect, Color from, Color to, int steps,
                           GradientDirection direction) {
  FixedMetricCanvas canvas;
  GradientFill(canvas, rect, from, to, steps, direction);
  return canvas.ops();
}

TEST(GradientFillTest, BandsStartAtRoundedStepsAndBlendEachChannel) {
  auto ops =
      Fill({0, 0, 10, 5}, Rgb(0, 0, 0), Rgb(255, 100, 10), 4, GradientDirection::kHorizontal);
  ASSERT_EQ(ops.size(), 4u);
  struct Band {
    int left, right;
    Color color;
  } expected[] = {
      {0, 3, Rgb(0, 0, 0)},
      {3, 6, Rgb(64, 25, 3)},  // 2.5 -> 3; 63.75 -> 64; 2.5 -> 3
      {5, 8, Rgb(128, 50, 5)},
      {8, 10, Rgb(191, 75, 8)},  // cut at the far edge
  };
  for (size_t k = 0; k < 4; ++k) {
    EXPECT_EQ(ops[k].rect, (Rect{expected[k].left, 0, expected[k].right, 5})) << k;
    EXPECT_EQ(ops[k].color, expected[k].color) << k;
  }
}

TEST(GradientFillTest, VerticalBandsRunDownwards) {
  auto ops = Fill({2, 10, 6, 20}, Rgb(200, 0, 0), Rgb(0, 0, 200), 2, GradientDirection::kVertical);
  ASSERT_EQ(ops.size(), 2u);
  EXPECT_EQ(ops[0].rect, (Rect{2, 10, 6, 16}));
  EXPECT_EQ(ops[1].rect, (Rect{2, 15, 6, 20}));
  EXPECT_EQ(ops[1].color, Rgb(100, 0, 100));
}

TEST(GradientFillTest, ZeroStepsIsOneBandOfTheFirstColour) {
  auto ops = Fill({0, 0, 8, 8}, Rgb(1, 2, 3), Rgb(9, 9, 9), 0, GradientDirection::kHorizontal);
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].rect, (Rect{0, 0, 8, 8}));
  EXPECT_EQ(ops[0].color, Rgb(1, 2, 3));
}

TEST(GradientFillTest, SystemColoursAreResolvedAndEmptyRectsPaintNothing) {
  auto ops = Fill({0, 0, 4, 4}, SysColor(15), SysColor(15), 1, GradientDirection::kHorizontal);
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].color, DefaultSystemColor(15));
  EXPECT_TRUE(Fill({5, 5, 5, 9}, 0, 0, 3, GradientDirection::kVertical).empty());
}

}  // namespace
}  // namespace kova
