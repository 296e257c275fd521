#include "skin/apply/bitmap_region.h"

#include <algorithm>
#include <vector>

namespace kova {

namespace {

bool ChannelInRange(int value, int key, int tolerance) {
  const int upper = std::min(key + std::max(tolerance, 0), 255);
  return value >= key && value <= upper;
}

}  // namespace

bool IsKeyPixel(const uint8_t* bgr, TColor key, const KeyTolerance& tolerance) {
  const int key_red = key & 0xFF;
  const int key_green = (key >> 8) & 0xFF;
  const int key_blue = (key >> 16) & 0xFF;
  return ChannelInRange(bgr[2], key_red, tolerance.red) &&
         ChannelInRange(bgr[1], key_green, tolerance.green) &&
         ChannelInRange(bgr[0], key_blue, tolerance.blue);
}

std::size_t BitmapToRegionRuns(const TBitmap& bitmap, int x, int y, TColor key,
                               const KeyTolerance& tolerance, RegionSink& sink) {
  if (bitmap.Empty()) {
    return 0;
  }
  std::vector<ImageRect> buffer;
  buffer.reserve(kRegionBufferStep);
  std::size_t total = 0;
  const int width = bitmap.Width();
  const int bpp = bitmap.BytesPerPixel();
  auto add = [&](const ImageRect& rect) {
    if (buffer.size() == buffer.capacity()) {
      buffer.reserve(buffer.size() + kRegionBufferStep);
    }
    buffer.push_back(rect);
    ++total;
    if (buffer.size() == kRegionBatch) {
      sink.Unite(buffer);
      buffer.clear();
    }
  };
  for (int row = 0; row < bitmap.Height(); ++row) {
    const uint8_t* line = bitmap.ScanLine(row);
    int col = 0;
    while (col < width) {
      while (col < width && IsKeyPixel(line + col * bpp, key, tolerance)) {
        ++col;
      }
      const int start = col;
      while (col < width && !IsKeyPixel(line + col * bpp, key, tolerance)) {
        ++col;
      }
      if (col > start) {
        add({x + start, y + row, x + col, y + row + 1});
      }
    }
  }
  if (!buffer.empty()) {
    sink.Unite(buffer);
  }
  return total;
}

}  // namespace kova
