// Where a TBitmap keeps its pixels. Rows are stored top-down with a stride rounded up
// to 4 bytes, the layout of a top-down device-independent section, so a platform
// storage can hand the same memory to the window system.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace kova {

class PixelStorage {
 public:
  virtual ~PixelStorage() = default;

  virtual uint8_t* Bits() = 0;
  virtual const uint8_t* Bits() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual int BitsPerPixel() const = 0;

  int Stride() const { return StrideFor(Width(), BitsPerPixel()); }
  static int StrideFor(int width, int bits_per_pixel) {
    return ((width * bits_per_pixel + 31) / 32) * 4;
  }
};

// Zero-filled pixels of the given size; width and height are positive and
// bits_per_pixel is 24 or 32. Answers null when the memory cannot be had.
std::unique_ptr<PixelStorage> CreatePixelStorage(int width, int height, int bits_per_pixel);

}  // namespace kova
