#include "skin/data/image_utils.h"

#include <gtest/gtest.h>

#include "skin/data/assertion.h"
#include "skin/data/system_colors.h"

namespace kova {
namespace {

// A 3x2 bitmap whose pixels are all different: value 0x10 * (y * 3 + x + 1) in red.
TBitmap Numbered(PixelFormat format = PixelFormat::k24Bit) {
  TBitmap bitmap(3, 2, format);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) {
      bitmap.SetPixel(x, y, 0x10 * (y * 3 + x + 1));
    }
  }
  return bitmap;
}

std::vector<std::vector<TColor>> Pixels(const TBitmap& bitmap) {
  std::vector<std::vector<TColor>> rows(static_cast<size_t>(bitmap.Height()));
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      rows[static_cast<size_t>(y)].push_back(bitmap.Pixel(x, y));
    }
  }
  return rows;
}

TEST(ImageUtilsTest, MirrorsAndRotations) {
  using Rows = std::vector<std::vector<TColor>>;
  struct Case {
    const char* name;
    void (*apply)(TBitmap&);
    Rows expected;
  };
  const Case cases[] = {
      {"horizontal", SpiegelnHorizontal, Rows{{0x30, 0x20, 0x10}, {0x60, 0x50, 0x40}}},
      {"vertical", SpiegelnVertikal, Rows{{0x40, 0x50, 0x60}, {0x10, 0x20, 0x30}}},
      {"90 clockwise", Drehen90Grad, Rows{{0x40, 0x10}, {0x50, 0x20}, {0x60, 0x30}}},
      {"270", Drehen270Grad, Rows{{0x30, 0x60}, {0x20, 0x50}, {0x10, 0x40}}},
  };
  for (const PixelFormat format : {PixelFormat::k24Bit, PixelFormat::k32Bit}) {
    for (const Case& c : cases) {
      TBitmap bitmap = Numbered(format);
      c.apply(bitmap);
      EXPECT_EQ(Pixels(bitmap), c.expected) << c.name;
      EXPECT_EQ(bitmap.GetPixelFormat(), format) << c.name;
    }
  }
}

TEST(ImageUtilsTest, MirroringTwiceAndRotatingBothWaysRestore) {
  TBitmap bitmap = Numbered();
  SpiegelnHorizontal(bitmap);
  SpiegelnHorizontal(bitmap);
  EXPECT_EQ(Pixels(bitmap), Pixels(Numbered()));
  Drehen90Grad(bitmap);
  Drehen270Grad(bitmap);
  EXPECT_EQ(Pixels(bitmap), Pixels(Numbered()));
  TBitmap empty;
  Drehen90Grad(empty);  // nothing to do, no failure
  EXPECT_TRUE(empty.Empty());
}

TEST(ImageUtilsTest, ChangeTransReplacesOnlyExactMagenta) {
  TBitmap bitmap(3, 1, PixelFormat::k32Bit);
  bitmap.SetPixel(0, 0, 0xFF00FF);
  bitmap.SetPixel(1, 0, 0xFF01FF);
  bitmap.SetPixel(2, 0, 0xFF00FF);
  ChangeTrans(bitmap, 0x123456);
  EXPECT_EQ(bitmap.BitsPerPixel(), 24);
  EXPECT_EQ(Pixels(bitmap), (std::vector<std::vector<TColor>>{{0x123456, 0xFF01FF, 0x123456}}));
}

TEST(ImageUtilsTest, BlendWeightsTheFirstColour) {
  struct Case {
    TColor c1, c2;
    int a;
    TColor expected;
  };
  const Case cases[] = {
      {0x808080, 0x0000FF, 150, 0x1313EC},  // 15 %: red 236, green and blue 19
      {0xFFFFFF, 0x000000, 100, 0x1A1A1A},  // per mille: 10 % of white is 25.5, rounded up
      {0xFFFFFF, 0x000000, 99, 0xFCFCFC},   // percentage: 99 %
      {0xFFFFFF, 0x000000, 0, 0x000000},   {0x0000C8, 0x000064, 50, 0x000096},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Blend(c.c1, c.c2, c.a), c.expected) << c.a;
  }
  // System colours are resolved before mixing.
  const TColor window = static_cast<TColor>(0xFF000005);
  EXPECT_EQ(Blend(window, 0, 99), Blend(SystemColorRGB(5), 0, 99));
}

TEST(ImageUtilsTest, GetHsvIsASaturationMeasure) {
  struct Case {
    TColor color;
    int32_t expected;
  };
  const Case cases[] = {
      {0x00009F, 200},  // every channel below 160, however saturated
      {0xFFFFFF, 0},   {0x0000FF, 255}, {0x8080FF, 127},  // 127/255 * 255
      {0x00A0A0, 255}, {0xA0A0A0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetHSV(c.color), c.expected) << std::hex << c.color;
  }
}

TEST(ImageUtilsTest, GradientTables) {
  EXPECT_EQ(GradientColors(3, 0x000000, 0xFFFFFF),
            (std::vector<TColor>{0x000000, 0x808080, 0xFFFFFF}));
  EXPECT_EQ(GradientColors(1, 0x000000, 0x0000FF), (std::vector<TColor>{0x00007F}));
  // Going down, the division truncates toward zero.
  EXPECT_EQ(GradientColors(3, 0x000002, 0x000001),
            (std::vector<TColor>{0x000002, 0x000002, 0x000002}));
  try {
    GradientColors(0, 0, 0);
    ADD_FAILURE() << "no assertion";
  } catch (const EAssertionFailed& e) {
    EXPECT_STREQ(e.what(), "Assertion failure");
  }
}

TEST(ImageUtilsTest, GradientCacheNeverMixesUpRequests) {
  // More distinct requests than slots, asked again in between: every answer must
  // equal a fresh computation of its own request.
  for (int round = 0; round < 3; ++round) {
    for (int n = 2; n < 40; ++n) {
      const auto& colors = GradientColors(n, 0x000000 + n, 0x0000FF);
      ASSERT_EQ(colors.size(), static_cast<size_t>(n));
      EXPECT_EQ(colors.front(), 0x000000 + n);
      EXPECT_EQ(colors.back(), 0x0000FF);
    }
  }
  // The same request answers the same table without recomputing it.
  const auto* first = &GradientColors(7, 0x10, 0x20);
  EXPECT_EQ(&GradientColors(7, 0x10, 0x20), first);
}

TEST(ImageUtilsTest, GradFillPaintsOnlyTheVisibleStepsWithFullGradientColours) {
  // Vertical, 3 rows from black to white.
  TBitmap bitmap(2, 3);
  GradFill(bitmap, {0, 0, 2, 3}, 0x000000, true, 0xFFFFFF);
  EXPECT_EQ(Pixels(bitmap), (std::vector<std::vector<TColor>>{
                                {0x000000, 0x000000}, {0x808080, 0x808080}, {0xFFFFFF, 0xFFFFFF}}));

  // Horizontal over 5 columns starting two columns left of the bitmap: columns 2..4 of
  // the gradient land on x = 0..2 and the last column is outside.
  TBitmap part(3, 1);
  part.Fill(0x123456);
  GradFill(part, {-2, 0, 3, 1}, 0x000000, false, 0x0000FF);
  const auto full = GradientColors(5, 0x000000, 0x0000FF);
  EXPECT_EQ(Pixels(part), (std::vector<std::vector<TColor>>{{full[2], full[3], full[4]}}));

  // A rectangle past every edge: each visible pixel has its step's colour, both ways.
  for (const bool vertical : {true, false}) {
    TBitmap wide(3, 2);
    GradFill(wide, {-2, -3, 6, 5}, 0x000000, vertical, 0xFFFFFF);
    const auto colors = GradientColors(8, 0x000000, 0xFFFFFF);
    for (int y = 0; y < 2; ++y) {
      for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(wide.Pixel(x, y), colors[vertical ? y + 3 : x + 2]) << vertical;
      }
    }
  }

  const GradientSteps steps = VisibleGradientSteps({0, -4, 10, 16}, {0, 0, 10, 10}, true);
  EXPECT_EQ(steps.count, 20);
  EXPECT_EQ(steps.first, 4);
  EXPECT_EQ(steps.last, 13);
  EXPECT_TRUE(VisibleGradientSteps({20, 20, 30, 30}, {0, 0, 10, 10}, true).Empty());
  EXPECT_TRUE(VisibleGradientSteps({0, 5, 10, 5}, {0, 0, 10, 10}, true).Empty());
}

}  // namespace
}  // namespace kova
