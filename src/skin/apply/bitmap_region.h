// The opaque outline of a bitmap as rectangles one pixel high: every run of pixels in a
// row whose colour is not the key colour (within a tolerance) becomes one rectangle.
// The rectangles reach a sink in batches so a region is built from bounded buffers.
#pragma once

#include <cstddef>
#include <span>

#include "forms/graphics/bitmap.h"
#include "skin/data/image_utils.h"

namespace kova {

// How far above the key colour a channel may lie and still count as transparent.
struct KeyTolerance {
  int red = 0;
  int green = 0;
  int blue = 0;
};

// The window frame's rule: magenta and its nearest neighbours are see-through.
inline constexpr KeyTolerance kFrameKeyTolerance{1, 1, 1};

// A pixel (blue, green, red bytes) is transparent when each channel lies between the
// key's value and that value plus the tolerance, capped at 255.
bool IsKeyPixel(const uint8_t* bgr, TColor key, const KeyTolerance& tolerance);

// Receives the rectangles of the region in batches; the receiver unites each batch
// with what it has so far.
class RegionSink {
 public:
  virtual ~RegionSink() = default;
  virtual void Unite(std::span<const ImageRect> rects) = 0;
};

// Buffer sizes: room grows by kRegionBufferStep rectangles and the buffer is handed to
// the sink every kRegionBatch rectangles, so memory stays bounded for any bitmap.
inline constexpr std::size_t kRegionBufferStep = 500;
inline constexpr std::size_t kRegionBatch = 2000;

// Scans `bitmap` row by row and hands every run of opaque pixels, shifted by (x, y), to
// `sink`. An empty bitmap hands nothing. Answers the number of rectangles found.
std::size_t BitmapToRegionRuns(const TBitmap& bitmap, int x, int y, TColor key,
                               const KeyTolerance& tolerance, RegionSink& sink);

}  // namespace kova
