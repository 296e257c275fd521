#include "skin/apply/frame_region.h"

#include <gtest/gtest.h>

#include "image_rect_printing.h"

namespace kova {
namespace {

struct RegionSkin {
  RegionSkin() {
    for (TDataSkinBorder* border :
         {data.Left.get(), data.Right.get(), data.Top.get(), data.Bottom.get()}) {
      border->Map.SetSize(8, 8);
      border->Frame = 1;
    }
  }
  TSkinData data{nullptr};
};

TEST(FrameRegionTest, WithoutSeeThroughBordersTheRegionIsTheWholeWindow) {
  RegionSkin skin;
  skin.data.Left->Trans = 0;
  const auto parts =
      PlanFrameRegion(skin.data, {4, 26, 5, 6, 0}, SkinBorderStyle::kSizable, 200, 100);
  ASSERT_EQ(parts.size(), 1u);
  EXPECT_EQ(parts[0].rect, (ImageRect{0, 0, 200, 100}));
  EXPECT_FALSE(parts[0].rendered);
}

TEST(FrameRegionTest, SeeThroughStripsThickEnoughAreCutToTheirPixels) {
  RegionSkin skin;
  skin.data.Top->Trans = 1;
  skin.data.Left->Trans = 1;
  skin.data.Bottom->Trans = 1;  // one pixel thick below: stays a rectangle
  const auto parts =
      PlanFrameRegion(skin.data, {1, 26, 5, 6, 0}, SkinBorderStyle::kSizable, 200, 100);
  ASSERT_EQ(parts.size(), 5u);
  EXPECT_EQ(parts[0].rect, (ImageRect{1, 26, 195, 94}));
  EXPECT_FALSE(parts[0].rendered);
  EXPECT_EQ(parts[1].rect, (ImageRect{0, 0, 1, 100}));
  EXPECT_FALSE(parts[1].rendered);  // left is only one pixel wide
  EXPECT_EQ(parts[2].rect, (ImageRect{195, 0, 200, 100}));
  EXPECT_FALSE(parts[2].rendered);
  EXPECT_EQ(parts[3].rect, (ImageRect{1, 94, 195, 100}));
  EXPECT_EQ(parts[3].rendered, BorderSide::kBottom);
  EXPECT_EQ(parts[4].rect, (ImageRect{1, 0, 195, 26}));
  EXPECT_EQ(parts[4].rendered, BorderSide::kTop);
}

TEST(FrameRegionTest, ZeroSizeAndBorderlessWindows) {
  RegionSkin skin;
  skin.data.Top->Trans = 1;
  EXPECT_TRUE(
      PlanFrameRegion(skin.data, {4, 26, 5, 6, 0}, SkinBorderStyle::kSizable, 0, 100).empty());
  EXPECT_TRUE(
      PlanFrameRegion(skin.data, {4, 26, 5, 6, 0}, SkinBorderStyle::kSizable, 100, 0).empty());
  const auto parts = PlanFrameRegion(skin.data, {}, SkinBorderStyle::kNone, 120, 80);
  ASSERT_EQ(parts.size(), 1u);
  EXPECT_EQ(parts[0].rect, (ImageRect{0, 0, 120, 80}));
}

}  // namespace
}  // namespace kova
