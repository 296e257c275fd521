// The portable pixel side of the framework's bitmap: a width, a height, 24 or 32 bits
// per pixel in blue-green-red(-alpha) byte order, rows top-down with a 4-byte aligned
// stride, and BMP file load and save.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

#include "base/streams.h"
#include "forms/graphics/bitmap_storage.h"

namespace kova {

// A colour as 0x00BBGGRR; a negative value is a system colour whose index is the low
// byte.
using TColor = int32_t;

enum class PixelFormat { k24Bit, k32Bit };

class TBitmap {
 public:
  // Limits on what a bitmap may hold; larger requests leave the bitmap empty.
  static constexpr int kMaxDimension = 32767;
  static constexpr int64_t kMaxPixelBytes = int64_t{256} << 20;

  TBitmap() = default;
  TBitmap(int width, int height, PixelFormat format = PixelFormat::k24Bit);
  TBitmap(const TBitmap& other);
  TBitmap& operator=(const TBitmap& other);
  TBitmap(TBitmap&&) noexcept = default;
  TBitmap& operator=(TBitmap&&) noexcept = default;
  ~TBitmap() = default;

  int Width() const { return storage_ ? storage_->Width() : 0; }
  int Height() const { return storage_ ? storage_->Height() : 0; }
  bool Empty() const { return !storage_; }

  PixelFormat GetPixelFormat() const { return format_; }
  // Converts the pixels in place; widening sets the fourth byte to 0.
  void SetPixelFormat(PixelFormat format);
  int BitsPerPixel() const { return format_ == PixelFormat::k32Bit ? 32 : 24; }
  int BytesPerPixel() const { return BitsPerPixel() / 8; }
  int Stride() const { return PixelStorage::StrideFor(Width(), BitsPerPixel()); }

  // Resizes keeping the overlapping top-left pixels; new pixels are black. A zero
  // dimension empties the bitmap. Answers false (and leaves the bitmap empty) when the
  // size is beyond the limits or cannot be allocated.
  bool SetSize(int width, int height);
  void Clear() { storage_.reset(); }
  void Assign(const TBitmap& other) { *this = other; }

  // Row `row` (0 = top); raises std::out_of_range outside the bitmap.
  uint8_t* ScanLine(int row);
  const uint8_t* ScanLine(int row) const;

  // Colour of one pixel as 0x00BBGGRR; coordinates outside the bitmap read as 0 and
  // are not written.
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);
  void Fill(TColor color);

  // BMP file format. Loading reads from the current position to the end of the
  // stream; a file that cannot be read gives an empty bitmap and false. Saving an
  // empty bitmap writes nothing.
  bool LoadFromStream(TStream& stream);
  void SaveToStream(TStream& stream) const;
  bool LoadFromFile(const std::filesystem::path& file_name);
  void SaveToFile(const std::filesystem::path& file_name) const;

  PixelStorage* Storage() { return storage_.get(); }
  const PixelStorage* Storage() const { return storage_.get(); }

  // True when a bitmap of this size and format stays within the limits.
  static bool SizeAllowed(int width, int height, PixelFormat format);

 private:
  std::unique_ptr<PixelStorage> storage_;
  PixelFormat format_ = PixelFormat::k24Bit;
};

}  // namespace kova
