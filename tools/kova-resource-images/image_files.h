// Encoders of the image files that resource scripts embed: PNG and animated GIF through
// libpng and giflib, BMP through the framework's bitmap, and icon files.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "kova-resource-images/raster.h"

namespace kova::images {

using Bytes = std::vector<uint8_t>;

class EncodeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// 8-bit RGBA PNG (alpha kept).
Bytes EncodePng(const Raster& raster);

// 24-bit BMP; alpha is dropped after composing over `background`.
Bytes EncodeBmp(const Raster& raster, Rgba background);

// An icon file holding each raster as a 32-bit image with its AND mask.
Bytes EncodeIcon(const std::vector<Raster>& sizes);

// A looping GIF89a animation; every frame is a full screen of palette indices.
struct GifAnimation {
  int width = 0;
  int height = 0;
  std::vector<Rgba> palette;  // at most 256 entries
  int transparent_index = -1;
  int delay_ms = 100;
  std::vector<std::vector<uint8_t>> frames;
};
Bytes EncodeGif(const GifAnimation& animation);

}  // namespace kova::images
