#include <gtest/gtest.h>

#include "skin/apply/bitmap_region_win.h"
#include "skin/apply/frame_region_win.h"

namespace kova {
namespace {

constexpr TColor kOpaque = 0x204080;

// A border image of `size` whose top-left `corner` x `corner` triangle is magenta.
TBitmap RoundedCorner(int width, int height, int corner) {
  TBitmap bitmap(width, height);
  bitmap.Fill(kOpaque);
  for (int y = 0; y < corner; ++y) {
    for (int x = 0; x + y < corner; ++x) {
      bitmap.SetPixel(x, y, kTransparentKey);
    }
  }
  return bitmap;
}

TEST(BitmapRegionWinTest, RegionHoldsExactlyTheOpaquePixelsShifted) {
  const TBitmap bitmap = RoundedCorner(12, 6, 4);
  UniqueRegion region = BitmapToRegion(bitmap, 100, 50);
  ASSERT_TRUE(region);
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 12; ++x) {
      const bool opaque = x + y >= 4;
      EXPECT_EQ(PtInRegion(region.Get(), 100 + x, 50 + y) != FALSE, opaque) << x << "," << y;
    }
  }
  EXPECT_FALSE(PtInRegion(region.Get(), 100 + 12, 50));
  RECT box{};
  EXPECT_EQ(GetRgnBox(region.Get(), &box), COMPLEXREGION);
  EXPECT_EQ(box.left, 100);
  EXPECT_EQ(box.top, 50);
  EXPECT_EQ(box.right, 112);
  EXPECT_EQ(box.bottom, 56);
}

TEST(BitmapRegionWinTest, OutlinesOfManyBatchesAreUnitedWhole) {
  // 1000 rows of five runs: three batches.
  TBitmap bitmap(10, 1000);
  for (int y = 0; y < 1000; ++y) {
    for (int x = 0; x < 10; ++x) {
      bitmap.SetPixel(x, y, x % 2 == 0 ? kOpaque : kTransparentKey);
    }
  }
  UniqueRegion region = BitmapToRegion(bitmap, 0, 0);
  ASSERT_TRUE(region);
  for (int y : {0, 399, 400, 799, 800, 999}) {
    EXPECT_TRUE(PtInRegion(region.Get(), 8, y)) << y;
    EXPECT_FALSE(PtInRegion(region.Get(), 9, y)) << y;
  }
}

TEST(BitmapRegionWinTest, AllKeyBitmapGivesAnEmptyRegion) {
  TBitmap bitmap(5, 5);
  bitmap.Fill(kTransparentKey);
  UniqueRegion region = BitmapToRegion(bitmap, 0, 0);
  ASSERT_TRUE(region);
  RECT box{};
  EXPECT_EQ(GetRgnBox(region.Get(), &box), NULLREGION);
}

class FrameRegionWinTest : public ::testing::Test {
 protected:
  FrameRegionWinTest() {
    data_.Left->Map = RoundedCorner(6, 30, 0);
    data_.Right->Map = RoundedCorner(6, 30, 0);
    data_.Bottom->Map = RoundedCorner(30, 6, 0);
    data_.Top->Map = RoundedCorner(40, 24, 5);
    for (TDataSkinBorder* border :
         {data_.Left.get(), data_.Right.get(), data_.Top.get(), data_.Bottom.get()}) {
      border->Frame = 1;
    }
    // The top image's corners stay unscaled.
    data_.Top->LeftWidth = 8;
    data_.Top->RightWidth = 8;
    frame_ = FrameWidthsOf(data_, SkinBorderStyle::kSizable, 0);
  }
  TSkinData data_{nullptr};
  FrameWidths frame_;
};

TEST_F(FrameRegionWinTest, BordersWithoutTransGiveTheWindowRectangle) {
  UniqueRegion region = BuildFrameRegion(data_, frame_, SkinBorderStyle::kSizable, 200, 120, true);
  ASSERT_TRUE(region);
  RECT box{};
  EXPECT_EQ(GetRgnBox(region.Get(), &box), SIMPLEREGION);
  EXPECT_EQ(box.right, 200);
  EXPECT_EQ(box.bottom, 120);
  EXPECT_TRUE(PtInRegion(region.Get(), 6, 0));  // the key pixels count as window
}

TEST_F(FrameRegionWinTest, TransBordersLeaveTheKeyColouredCornerOutside) {
  data_.Top->Trans = 1;
  UniqueRegion region = BuildFrameRegion(data_, frame_, SkinBorderStyle::kSizable, 200, 120, true);
  ASSERT_TRUE(region);
  // The top strip starts after the left border: its key triangle is at x 6..10, y 0..4.
  EXPECT_FALSE(PtInRegion(region.Get(), 6, 0));
  EXPECT_FALSE(PtInRegion(region.Get(), 8, 1));
  EXPECT_TRUE(PtInRegion(region.Get(), 11, 0));
  EXPECT_TRUE(PtInRegion(region.Get(), 6, 5));
  EXPECT_TRUE(PtInRegion(region.Get(), 0, 0));     // the left border is plain
  EXPECT_TRUE(PtInRegion(region.Get(), 100, 60));  // the inner rectangle
  EXPECT_TRUE(PtInRegion(region.Get(), 199, 119));
  EXPECT_FALSE(PtInRegion(region.Get(), 200, 60));
}

TEST_F(FrameRegionWinTest, ZeroSizeWindowGetsNoRegion) {
  data_.Top->Trans = 1;
  EXPECT_FALSE(BuildFrameRegion(data_, frame_, SkinBorderStyle::kSizable, 0, 120, true));
}

}  // namespace
}  // namespace kova
