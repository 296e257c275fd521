#include "forms/graphics/bmp_codec.h"

#include <gtest/gtest.h>

#include <vector>

#include "forms/graphics/bitmap.h"

namespace kova {
namespace {

void PutU16(std::vector<uint8_t>& out, int v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void PutU32(std::vector<uint8_t>& out, int64_t v) {
  for (int i = 0; i < 4; ++i) {
    out.push_back(static_cast<uint8_t>(v >> (8 * i)));
  }
}

// A BMP file with a 40-byte info header; `rows` are the stored rows in file order,
// already padded.
std::vector<uint8_t> MakeBmp(int width, int height, int bits,
                             const std::vector<std::vector<uint8_t>>& palette,
                             const std::vector<std::vector<uint8_t>>& rows) {
  std::vector<uint8_t> out = {'B', 'M'};
  const int palette_bytes = static_cast<int>(palette.size()) * 4;
  int pixel_bytes = 0;
  for (const auto& row : rows) {
    pixel_bytes += static_cast<int>(row.size());
  }
  PutU32(out, 54 + palette_bytes + pixel_bytes);
  PutU32(out, 0);
  PutU32(out, 54 + palette_bytes);
  PutU32(out, 40);
  PutU32(out, width);
  PutU32(out, height);
  PutU16(out, 1);
  PutU16(out, bits);
  PutU32(out, 0);
  PutU32(out, pixel_bytes);
  PutU32(out, 2835);
  PutU32(out, 2835);
  PutU32(out, static_cast<int64_t>(palette.size()));
  PutU32(out, 0);
  for (const auto& entry : palette) {
    out.insert(out.end(), entry.begin(), entry.end());
    out.push_back(0);
  }
  for (const auto& row : rows) {
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

// Every variant below holds the same 3x2 picture:
//   top row:    red   green blue
//   bottom row: white black red
constexpr TColor kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kWhite = 0xFFFFFF,
                 kBlack = 0;
const std::vector<std::vector<uint8_t>> kPalette = {
    {0, 0, 255}, {0, 255, 0}, {255, 0, 0}, {255, 255, 255}, {0, 0, 0}};

struct Variant {
  const char* name;
  std::vector<uint8_t> file;
};

std::vector<Variant> Variants() {
  std::vector<Variant> v;
  // 8 bits: indices 0 1 2 / 3 4 0, rows padded to 4 bytes.
  v.push_back({"8-bit bottom-up", MakeBmp(3, 2, 8, kPalette, {{3, 4, 0, 0}, {0, 1, 2, 0}})});
  v.push_back({"8-bit top-down", MakeBmp(3, -2, 8, kPalette, {{0, 1, 2, 0}, {3, 4, 0, 0}})});
  // 4 bits: two pixels per byte, high nibble first.
  v.push_back({"4-bit", MakeBmp(3, 2, 4, kPalette, {{0x34, 0x00, 0, 0}, {0x01, 0x20, 0, 0}})});
  // 24 bits, bottom-up.
  v.push_back({"24-bit", MakeBmp(3, 2, 24, {},
                                 {{255, 255, 255, 0, 0, 0, 0, 0, 255, 0, 0, 0},
                                  {0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0}})});
  v.push_back({"32-bit top-down", MakeBmp(3, -2, 32, {},
                                          {{0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0},
                                           {255, 255, 255, 0, 0, 0, 0, 0, 0, 0, 255, 0}})});
  return v;
}

TEST(BmpCodecTest, DecodesTheCommonVariants) {
  for (const Variant& variant : Variants()) {
    SCOPED_TRACE(variant.name);
    TBitmap bitmap;
    ASSERT_TRUE(DecodeBmp(variant.file, bitmap));
    ASSERT_EQ(bitmap.Width(), 3);
    ASSERT_EQ(bitmap.Height(), 2);
    EXPECT_EQ(bitmap.Pixel(0, 0), kRed);
    EXPECT_EQ(bitmap.Pixel(1, 0), kGreen);
    EXPECT_EQ(bitmap.Pixel(2, 0), kBlue);
    EXPECT_EQ(bitmap.Pixel(0, 1), kWhite);
    EXPECT_EQ(bitmap.Pixel(1, 1), kBlack);
    EXPECT_EQ(bitmap.Pixel(2, 1), kRed);
  }
}

TEST(BmpCodecTest, OneBitUsesThePaletteAndMostSignificantBitFirst) {
  // 10 pixels wide: 1010000011 packed into two bytes plus padding.
  const auto file =
      MakeBmp(10, 1, 1, {{0, 0, 0}, {255, 255, 255}}, {{0b10100000, 0b11000000, 0, 0}});
  TBitmap bitmap;
  ASSERT_TRUE(DecodeBmp(file, bitmap));
  const int expected[10] = {1, 0, 1, 0, 0, 0, 0, 0, 1, 1};
  for (int x = 0; x < 10; ++x) {
    EXPECT_EQ(bitmap.Pixel(x, 0), expected[x] ? kWhite : kBlack) << x;
  }
}

TEST(BmpCodecTest, SaveThenLoadGivesTheSamePixels) {
  for (const PixelFormat format : {PixelFormat::k24Bit, PixelFormat::k32Bit}) {
    TBitmap original(5, 3, format);
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 5; ++x) {
        original.SetPixel(x, y, (x * 40) | (y * 60) << 8 | 0x7F0000);
      }
    }
    TMemoryStream stream;
    original.SaveToStream(stream);
    stream.SetPosition(0);
    TBitmap loaded;
    ASSERT_TRUE(loaded.LoadFromStream(stream));
    EXPECT_EQ(loaded.GetPixelFormat(), format);
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(loaded.Pixel(x, y), original.Pixel(x, y));
      }
    }
  }
}

TEST(BmpCodecTest, CorruptFilesGiveAnEmptyBitmap) {
  const auto good = Variants()[0].file;
  std::vector<std::pair<const char*, std::vector<uint8_t>>> bad;
  bad.emplace_back("empty", std::vector<uint8_t>{});
  bad.emplace_back("no signature", std::vector<uint8_t>(good.size(), 0));
  bad.emplace_back("truncated pixels", std::vector<uint8_t>(good.begin(), good.end() - 5));
  bad.emplace_back("truncated header", std::vector<uint8_t>(good.begin(), good.begin() + 30));
  auto huge = good;
  huge[18] = 0xFF, huge[19] = 0xFF, huge[20] = 0xFF, huge[21] = 0x7F;  // width 2^31-1
  bad.emplace_back("absurd width", huge);
  auto bits = good;
  bits[28] = 7;  // 7 bits per pixel
  bad.emplace_back("unknown depth", bits);
  auto offset = good;
  offset[10] = 0xF0, offset[11] = 0xFF, offset[12] = 0xFF, offset[13] = 0xFF;
  bad.emplace_back("pixel offset past the end", offset);
  auto rle = good;
  rle[30] = 1;  // run-length compressed
  bad.emplace_back("compressed", rle);

  for (const auto& [name, file] : bad) {
    TBitmap bitmap(4, 4);
    EXPECT_FALSE(DecodeBmp(file, bitmap)) << name;
    EXPECT_TRUE(bitmap.Empty()) << name;
  }
}

}  // namespace
}  // namespace kova
