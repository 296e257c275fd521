// Decodes arbitrary bytes as a BMP file; whatever decodes must survive a save and load.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "forms/graphics/bitmap.h"
#include "forms/graphics/bmp_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kova::TBitmap bitmap;
  if (!kova::DecodeBmp(std::span<const uint8_t>(data, size), bitmap)) {
    if (!bitmap.Empty()) {
      std::abort();
    }
    return 0;
  }
  kova::TBitmap again;
  if (!kova::DecodeBmp(kova::EncodeBmp(bitmap), again) || again.Width() != bitmap.Width() ||
      again.Height() != bitmap.Height()) {
    std::abort();
  }
  return 0;
}
