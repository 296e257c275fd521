#include "forms/graphics/bitmap.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kova {
namespace {

TEST(TBitmapTest, RowsAreTopDownWithFourByteAlignedStride) {
  struct Case {
    int width;
    PixelFormat format;
    int stride;
  };
  for (const Case& c : {Case{1, PixelFormat::k24Bit, 4}, Case{3, PixelFormat::k24Bit, 12},
                        Case{5, PixelFormat::k24Bit, 16}, Case{5, PixelFormat::k32Bit, 20}}) {
    TBitmap bitmap(c.width, 2, c.format);
    EXPECT_EQ(bitmap.Stride(), c.stride) << c.width;
    EXPECT_EQ(bitmap.ScanLine(1) - bitmap.ScanLine(0), c.stride);
    EXPECT_EQ(bitmap.ScanLine(0), bitmap.Storage()->Bits());
  }
}

TEST(TBitmapTest, PixelsAreBlueGreenRedInMemory) {
  TBitmap bitmap(2, 1);
  bitmap.SetPixel(1, 0, 0x00332211);  // red 0x11, green 0x22, blue 0x33
  const uint8_t* row = bitmap.ScanLine(0);
  EXPECT_EQ(row[3], 0x33);
  EXPECT_EQ(row[4], 0x22);
  EXPECT_EQ(row[5], 0x11);
  EXPECT_EQ(bitmap.Pixel(1, 0), 0x00332211);
  EXPECT_EQ(bitmap.Pixel(5, 0), 0);  // outside reads as 0
}

TEST(TBitmapTest, SetSizeKeepsTheOverlapAndRefusesAbsurdSizes) {
  TBitmap bitmap(2, 2);
  bitmap.SetPixel(0, 0, 0x123456);
  bitmap.SetPixel(1, 1, 0x654321);
  ASSERT_TRUE(bitmap.SetSize(3, 1));
  EXPECT_EQ(bitmap.Pixel(0, 0), 0x123456);
  EXPECT_EQ(bitmap.Pixel(2, 0), 0);

  EXPECT_FALSE(bitmap.SetSize(TBitmap::kMaxDimension + 1, 1));
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_FALSE(bitmap.SetSize(30000, 30000));  // over the memory limit
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_TRUE(bitmap.SetSize(0, 5));
  EXPECT_TRUE(bitmap.Empty());
}

TEST(TBitmapTest, PixelFormatConversionKeepsColours) {
  TBitmap bitmap(3, 2);
  bitmap.SetPixel(2, 1, 0xABCDEF);
  bitmap.SetPixelFormat(PixelFormat::k32Bit);
  EXPECT_EQ(bitmap.BitsPerPixel(), 32);
  EXPECT_EQ(bitmap.Pixel(2, 1), 0xABCDEF);
  bitmap.SetPixelFormat(PixelFormat::k24Bit);
  EXPECT_EQ(bitmap.Pixel(2, 1), 0xABCDEF);
}

TEST(TBitmapTest, ScanLineOutsideTheBitmapRaises) {
  TBitmap bitmap(1, 1);
  EXPECT_THROW(bitmap.ScanLine(1), std::out_of_range);
  EXPECT_THROW(bitmap.ScanLine(-1), std::out_of_range);
  EXPECT_THROW(TBitmap().ScanLine(0), std::out_of_range);
}

TEST(TBitmapTest, CopiesAreIndependent) {
  TBitmap a(1, 1);
  a.SetPixel(0, 0, 0x111111);
  TBitmap b = a;
  b.SetPixel(0, 0, 0x222222);
  EXPECT_EQ(a.Pixel(0, 0), 0x111111);
  EXPECT_EQ(b.Pixel(0, 0), 0x222222);
}

TEST(TBitmapTest, FillPaintsEveryPixelAndNothingElse) {
  // An odd width leaves padding at the end of 24-bit rows; 32-bit pixels have a fourth
  // byte. Both are set beforehand and must survive.
  for (const PixelFormat format : {PixelFormat::k24Bit, PixelFormat::k32Bit}) {
    TBitmap bitmap(5, 3, format);
    const int bpp = bitmap.BytesPerPixel();
    for (int y = 0; y < 3; ++y) {
      std::fill_n(bitmap.ScanLine(y), bitmap.Stride(), uint8_t{0xAB});
    }
    bitmap.Fill(0x123456);
    for (int y = 0; y < 3; ++y) {
      const uint8_t* row = bitmap.ScanLine(y);
      for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(bitmap.Pixel(x, y), 0x123456) << bpp << " " << x << "," << y;
        if (bpp == 4) {
          EXPECT_EQ(row[x * 4 + 3], 0xAB);
        }
      }
      for (int i = 5 * bpp; i < bitmap.Stride(); ++i) {
        EXPECT_EQ(row[i], 0xAB) << "padding of row " << y;
      }
    }
  }
}

}  // namespace
}  // namespace kova
