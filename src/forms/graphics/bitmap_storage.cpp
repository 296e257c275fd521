#include "forms/graphics/bitmap_storage.h"

#include <new>
#include <vector>

namespace kova {

namespace {

class HeapPixelStorage final : public PixelStorage {
 public:
  HeapPixelStorage(int width, int height, int bits_per_pixel, std::vector<uint8_t> bits)
      : width_(width), height_(height), bits_per_pixel_(bits_per_pixel), bits_(std::move(bits)) {}

  uint8_t* Bits() override { return bits_.data(); }
  const uint8_t* Bits() const override { return bits_.data(); }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  int BitsPerPixel() const override { return bits_per_pixel_; }

 private:
  int width_;
  int height_;
  int bits_per_pixel_;
  std::vector<uint8_t> bits_;
};

}  // namespace

std::unique_ptr<PixelStorage> CreatePixelStorage(int width, int height, int bits_per_pixel) {
  if (width <= 0 || height <= 0 || (bits_per_pixel != 24 && bits_per_pixel != 32)) {
    return nullptr;
  }
  const auto bytes = static_cast<size_t>(PixelStorage::StrideFor(width, bits_per_pixel)) *
                     static_cast<size_t>(height);
  try {
    return std::make_unique<HeapPixelStorage>(width, height, bits_per_pixel,
                                              std::vector<uint8_t>(bytes, 0));
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace kova
