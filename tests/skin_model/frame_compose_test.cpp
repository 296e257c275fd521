#include <gtest/gtest.h>

#include <algorithm>

#include "skin/data/frame_compose.h"
#include "skin/data/skin_colors.h"

namespace kova {
namespace {

// A 3 x 3 grid of 4-pixel blocks, each its own colour (red = column, green = row), so
// every composed pixel tells which part of the source it came from.
TBitmap Grid(int frames = 1, bool stacked = false) {
  const int w = 12, h = 12;
  TBitmap bitmap(stacked ? w : w * frames, stacked ? h * frames : h);
  for (int f = 0; f < frames; ++f) {
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const TColor c = RGBToColor(x / 4, y / 4, f);
        bitmap.SetPixel(stacked ? x : f * w + x, stacked ? f * h + y : y, c);
      }
    }
  }
  return bitmap;
}

TColor Part(int column, int row, int frame = 0) {
  return RGBToColor(column, row, frame);
}

TEST(GetHMapTest, CornersKeepTheirSizeAndEdgesStretch) {
  const TBitmap out = GetHMap(30, 20, Grid(), {4, 4, 4, 4}, false, false, 1, 1);
  ASSERT_EQ(out.Width(), 30);
  ASSERT_EQ(out.Height(), 20);
  struct Probe {
    int x, y;
    TColor c;
  } probes[] = {{0, 0, Part(0, 0)},  {3, 3, Part(0, 0)},   {4, 0, Part(1, 0)},
                {25, 3, Part(1, 0)}, {26, 0, Part(2, 0)},  {29, 19, Part(2, 2)},
                {0, 10, Part(0, 1)}, {15, 10, Part(1, 1)}, {26, 16, Part(2, 2)},
                {10, 16, Part(1, 2)}};
  for (const Probe& p : probes) {
    EXPECT_EQ(out.Pixel(p.x, p.y), p.c) << p.x << "," << p.y;
  }
}

TEST(GetHMapTest, MarginsThatDoNotFitAreDroppedInPairs) {
  // 6 wide: left + right = 8 > 6, so the whole width is stretched from the full frame.
  const TBitmap out = GetHMap(6, 20, Grid(), {4, 4, 4, 4}, false, false, 1, 1);
  EXPECT_EQ(out.Pixel(0, 0), Part(0, 0));
  EXPECT_EQ(out.Pixel(2, 0), Part(1, 0));
  EXPECT_EQ(out.Pixel(5, 0), Part(2, 0));
  EXPECT_EQ(out.Pixel(5, 19), Part(2, 2));
}

TEST(GetHMapTest, SelectsTheFrameSideBySideOrStacked) {
  for (bool stacked : {false, true}) {
    const TBitmap out = GetHMap(12, 12, Grid(3, stacked), {}, stacked, false, 3, 2);
    EXPECT_EQ(out.Pixel(0, 0), Part(0, 0, 1)) << stacked;
    EXPECT_EQ(out.Pixel(11, 11), Part(2, 2, 1)) << stacked;
  }
}

TEST(GetHMapTest, TiledMiddleRepeats) {
  const TBitmap out = GetHMap(40, 12, Grid(), {4, 4, 4, 4}, false, true, 1, 1);
  // The centre tile is 4 x 4 and repeats from x = 4 onwards, unstretched.
  for (int x = 4; x < 36; ++x) {
    EXPECT_EQ(out.Pixel(x, 5), Part(1, 1)) << x;
  }
  TBitmap striped(12, 12);
  for (int x = 0; x < 12; ++x) {
    for (int y = 0; y < 12; ++y) {
      striped.SetPixel(x, y, RGBToColor(x, 0, 0));
    }
  }
  const TBitmap tiled = GetHMap(20, 12, striped, {4, 4, 4, 4}, false, true, 1, 1);
  EXPECT_EQ(tiled.Pixel(4, 6), RGBToColor(4, 0, 0));
  EXPECT_EQ(tiled.Pixel(8, 6), RGBToColor(4, 0, 0));
  EXPECT_EQ(tiled.Pixel(11, 6), RGBToColor(7, 0, 0));
  EXPECT_EQ(tiled.Pixel(16, 6), RGBToColor(8, 0, 0));  // right edge drawn over the last tile
}

TEST(GetHMapTest, EmptyInputsGiveEmptyBitmaps) {
  EXPECT_TRUE(GetHMap(0, 10, Grid(), {}, false, false, 1, 1).Empty());
  EXPECT_TRUE(GetHMap(10, -1, Grid(), {}, false, false, 1, 1).Empty());
  EXPECT_TRUE(GetHMap(10, 10, TBitmap(), {}, false, false, 1, 1).Empty());
  // More frames than pixels: nothing to copy, but no fault.
  EXPECT_FALSE(GetHMap(10, 10, Grid(), {}, false, false, 100, 1).Empty());
}

TEST(DrawRectTest, TransparentKeyIsSkipped) {
  TBitmap source(4, 4);
  source.Fill(0x00FF00);
  source.SetPixel(1, 1, 0xFF00FF);
  for (bool transparent : {true, false}) {
    TBitmap dest(10, 10);
    dest.Fill(0x0000FF);
    DrawRect2(dest, {2, 2, 6, 6}, source, {}, transparent, 1, 1);
    EXPECT_EQ(dest.Pixel(3, 3), transparent ? 0x0000FF : 0xFF00FF);
    EXPECT_EQ(dest.Pixel(2, 2), 0x00FF00);
    EXPECT_EQ(dest.Pixel(6, 6), 0x0000FF);
  }
  TBitmap dest(4, 4);
  DrawRect3(dest, {-2, -2, 10, 10}, source, false, 1, 1);  // clipped, no fault
  EXPECT_EQ(dest.Pixel(0, 0), 0x00FF00);
}

TEST(StretchCopyTest, OneToOneCopiesShiftedAndClippedOnBothSides) {
  struct Case {
    const char* name;
    ImageRect dest_rect;
    ImageRect source_rect;
  };
  const Case cases[] = {
      {"inside", {2, 1, 8, 5}, {3, 3, 9, 7}},
      {"dest runs out left and top", {-3, -2, 5, 4}, {0, 0, 8, 6}},
      {"dest runs out right and bottom", {6, 7, 14, 13}, {1, 1, 9, 7}},
      {"source runs out left", {0, 0, 6, 4}, {-2, 0, 4, 4}},
      {"source runs out right", {1, 1, 9, 5}, {8, 2, 16, 6}},
      {"nothing of the source", {0, 0, 4, 4}, {20, 0, 24, 4}},
  };
  const TBitmap grid = Grid();  // 12 x 12
  constexpr TColor kBackground = 0x123456;
  for (const Case& c : cases) {
    TBitmap dest(10, 10);
    dest.Fill(kBackground);
    StretchCopy(dest, c.dest_rect, grid, c.source_rect);
    for (int y = 0; y < 10; ++y) {
      for (int x = 0; x < 10; ++x) {
        const int sx = x - c.dest_rect.left + c.source_rect.left;
        const int sy = y - c.dest_rect.top + c.source_rect.top;
        const bool inside = x >= c.dest_rect.left && x < c.dest_rect.right &&
                            y >= c.dest_rect.top && y < c.dest_rect.bottom && sx >= 0 && sx < 12 &&
                            sy >= 0 && sy < 12;
        ASSERT_EQ(dest.Pixel(x, y), inside ? grid.Pixel(sx, sy) : kBackground)
            << c.name << " at " << x << "," << y;
      }
    }
  }
}

TEST(StretchCopyTest, ThirtyTwoBitPixelsKeepTheirFourthByte) {
  TBitmap source(4, 2, PixelFormat::k32Bit);
  TBitmap dest(4, 2, PixelFormat::k32Bit);
  for (int y = 0; y < 2; ++y) {
    std::fill_n(source.ScanLine(y), 16, uint8_t{0x11});
    std::fill_n(dest.ScanLine(y), 16, uint8_t{0x77});
  }
  StretchCopy(dest, {0, 0, 4, 2}, source, {0, 0, 4, 2});
  for (int x = 0; x < 4; ++x) {
    const uint8_t* pixel = dest.ScanLine(1) + x * 4;
    EXPECT_EQ(pixel[0], 0x11);
    EXPECT_EQ(pixel[2], 0x11);
    EXPECT_EQ(pixel[3], 0x77) << x;
  }
}

}  // namespace
}  // namespace kova
