#include "skin/apply/bitmap_region.h"

#include <gtest/gtest.h>

#include <vector>

#include "image_rect_printing.h"

namespace kova {
namespace {

constexpr TColor kOpaque = 0x336699;

struct CollectingSink final : RegionSink {
  void Unite(std::span<const ImageRect> rects) override {
    batches.push_back(rects.size());
    all.insert(all.end(), rects.begin(), rects.end());
  }
  std::vector<std::size_t> batches;
  std::vector<ImageRect> all;
};

// Rows drawn from text: '#' opaque, '.' key colour.
TBitmap FromRows(const std::vector<std::string>& rows, PixelFormat format = PixelFormat::k24Bit) {
  TBitmap bitmap(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), format);
  for (size_t y = 0; y < rows.size(); ++y) {
    for (size_t x = 0; x < rows[y].size(); ++x) {
      bitmap.SetPixel(static_cast<int>(x), static_cast<int>(y),
                      rows[y][x] == '#' ? kOpaque : kTransparentKey);
    }
  }
  return bitmap;
}

TEST(BitmapRegionTest, EveryOpaqueRunBecomesOneRowHighRectangleShifted) {
  for (PixelFormat format : {PixelFormat::k24Bit, PixelFormat::k32Bit}) {
    const TBitmap bitmap = FromRows({"#.##.#", "......", ".####."}, format);
    CollectingSink sink;
    EXPECT_EQ(BitmapToRegionRuns(bitmap, 10, 20, kTransparentKey, kFrameKeyTolerance, sink), 4u);
    const std::vector<ImageRect> expected = {
        {10, 20, 11, 21}, {12, 20, 14, 21}, {15, 20, 16, 21}, {11, 22, 15, 23}};
    EXPECT_EQ(sink.all, expected);
    EXPECT_EQ(sink.batches, std::vector<std::size_t>{4});
  }
}

TEST(BitmapRegionTest, EmptyAndAllKeyBitmapsGiveNothing) {
  CollectingSink sink;
  EXPECT_EQ(BitmapToRegionRuns(TBitmap(), 0, 0, kTransparentKey, kFrameKeyTolerance, sink), 0u);
  EXPECT_EQ(
      BitmapToRegionRuns(FromRows({"...", "..."}), 0, 0, kTransparentKey, kFrameKeyTolerance, sink),
      0u);
  EXPECT_TRUE(sink.batches.empty());
}

TEST(BitmapRegionTest, KeyToleranceReachesUpwardsOnlyAndIsCappedAt255) {
  struct Case {
    uint8_t red, green, blue;
    TColor key;
    KeyTolerance tolerance;
    bool transparent;
  };
  const Case cases[] = {
      {0xFF, 0x00, 0xFF, kTransparentKey, {1, 1, 1}, true},
      {0xFF, 0x01, 0xFF, kTransparentKey, {1, 1, 1}, true},
      {0xFF, 0x02, 0xFF, kTransparentKey, {1, 1, 1}, false},
      {0xFE, 0x00, 0xFF, kTransparentKey, {1, 1, 1}, false},  // below the key
      {0xFF, 0x01, 0xFF, kTransparentKey, {0, 0, 0}, false},
      {0x01, 0x01, 0x01, 0x000000, {1, 1, 1}, true},
      {0x0A, 0x00, 0x00, 0x000000, {10, 0, 0}, true},
      {0x00, 0x00, 0x0A, 0x000000, {10, 0, 0}, false},  // tolerance is per channel
      {0xFF, 0xFF, 0xFF, 0xF0F0F0, {200, 200, 200}, true},
  };
  for (const Case& c : cases) {
    const uint8_t bgr[3] = {c.blue, c.green, c.red};
    EXPECT_EQ(IsKeyPixel(bgr, c.key, c.tolerance), c.transparent)
        << int{c.red} << "," << int{c.green} << "," << int{c.blue} << " key " << std::hex << c.key;
  }
}

TEST(BitmapRegionTest, LargeOutlinesReachTheSinkInBoundedBatches) {
  struct Case {
    int rows;
    std::vector<std::size_t> batches;
  };
  // Five runs per row.
  const Case cases[] = {{400, {2000}}, {401, {2000, 5}}, {1000, {2000, 2000, 1000}}};
  for (const Case& c : cases) {
    const TBitmap bitmap = FromRows(std::vector<std::string>(c.rows, "#.#.#.#.#."));
    CollectingSink sink;
    const std::size_t total =
        BitmapToRegionRuns(bitmap, 0, 0, kTransparentKey, kFrameKeyTolerance, sink);
    EXPECT_EQ(total, static_cast<std::size_t>(c.rows) * 5);
    EXPECT_EQ(sink.batches, c.batches) << c.rows;
    ASSERT_EQ(sink.all.size(), total);
    EXPECT_EQ(sink.all.back(), (ImageRect{8, c.rows - 1, 9, c.rows}));
  }
}

}  // namespace
}  // namespace kova
