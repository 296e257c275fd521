#include "forms/graphics/bitmap.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "forms/graphics/bmp_codec.h"

namespace kova {

namespace {

int BitsOf(PixelFormat format) {
  return format == PixelFormat::k32Bit ? 32 : 24;
}

}  // namespace

bool TBitmap::SizeAllowed(int width, int height, PixelFormat format) {
  if (width <= 0 || height <= 0 || width > kMaxDimension || height > kMaxDimension) {
    return false;
  }
  const int64_t bytes =
      int64_t{PixelStorage::StrideFor(width, BitsOf(format))} * static_cast<int64_t>(height);
  return bytes <= kMaxPixelBytes;
}

TBitmap::TBitmap(int width, int height, PixelFormat format) : format_(format) {
  SetSize(width, height);
}

TBitmap::TBitmap(const TBitmap& other) : format_(other.format_) {
  *this = other;
}

TBitmap& TBitmap::operator=(const TBitmap& other) {
  if (this == &other) {
    return *this;
  }
  format_ = other.format_;
  storage_.reset();
  if (!other.Empty()) {
    storage_ = CreatePixelStorage(other.Width(), other.Height(), other.BitsPerPixel());
    if (storage_) {
      std::memcpy(storage_->Bits(), other.storage_->Bits(),
                  static_cast<size_t>(other.Stride()) * static_cast<size_t>(other.Height()));
    }
  }
  return *this;
}

void TBitmap::SetPixelFormat(PixelFormat format) {
  if (format == format_) {
    return;
  }
  if (Empty()) {
    format_ = format;
    return;
  }
  TBitmap converted(Width(), Height(), format);
  if (converted.Empty()) {
    Clear();
    format_ = format;
    return;
  }
  const int from = BytesPerPixel();
  const int to = converted.BytesPerPixel();
  for (int y = 0; y < Height(); ++y) {
    const uint8_t* src = ScanLine(y);
    uint8_t* dst = converted.ScanLine(y);
    for (int x = 0; x < Width(); ++x) {
      std::memcpy(dst + x * to, src + x * from, 3);
    }
  }
  *this = std::move(converted);
}

bool TBitmap::SetSize(int width, int height) {
  if (width == Width() && height == Height()) {
    return true;
  }
  if (width == 0 || height == 0) {
    Clear();
    return true;
  }
  if (!SizeAllowed(width, height, format_)) {
    Clear();
    return false;
  }
  std::unique_ptr<PixelStorage> resized = CreatePixelStorage(width, height, BitsPerPixel());
  if (!resized) {
    Clear();
    return false;
  }
  if (storage_) {
    const int rows = std::min(height, Height());
    const size_t bytes = static_cast<size_t>(std::min(width, Width()) * BytesPerPixel());
    const int new_stride = PixelStorage::StrideFor(width, BitsPerPixel());
    for (int y = 0; y < rows; ++y) {
      std::memcpy(resized->Bits() + static_cast<size_t>(y) * new_stride, ScanLine(y), bytes);
    }
  }
  storage_ = std::move(resized);
  return true;
}

uint8_t* TBitmap::ScanLine(int row) {
  if (!storage_ || row < 0 || row >= Height()) {
    throw std::out_of_range("Scan line index out of range");
  }
  return storage_->Bits() + static_cast<size_t>(row) * static_cast<size_t>(Stride());
}

const uint8_t* TBitmap::ScanLine(int row) const {
  if (!storage_ || row < 0 || row >= Height()) {
    throw std::out_of_range("Scan line index out of range");
  }
  return storage_->Bits() + static_cast<size_t>(row) * static_cast<size_t>(Stride());
}

TColor TBitmap::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) {
    return 0;
  }
  const uint8_t* p = ScanLine(y) + x * BytesPerPixel();
  return static_cast<TColor>(p[2] | p[1] << 8 | p[0] << 16);
}

void TBitmap::SetPixel(int x, int y, TColor color) {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) {
    return;
  }
  uint8_t* p = ScanLine(y) + x * BytesPerPixel();
  p[0] = static_cast<uint8_t>(color >> 16);
  p[1] = static_cast<uint8_t>(color >> 8);
  p[2] = static_cast<uint8_t>(color);
}

void TBitmap::Fill(TColor color) {
  const int width = Width();
  const int height = Height();
  if (width == 0 || height == 0) {
    return;
  }
  const uint8_t bgr[3] = {static_cast<uint8_t>(color >> 16), static_cast<uint8_t>(color >> 8),
                          static_cast<uint8_t>(color)};
  const int bpp = BytesPerPixel();
  uint8_t* const first = ScanLine(0);
  for (int x = 0; x < width; ++x) {
    std::memcpy(first + x * bpp, bgr, 3);
  }
  for (int y = 1; y < height; ++y) {
    uint8_t* const row = ScanLine(y);
    if (bpp == 3) {
      std::memcpy(row, first, static_cast<size_t>(width) * 3);
      continue;
    }
    // 32-bit pixels keep their fourth byte.
    for (int x = 0; x < width; ++x) {
      std::memcpy(row + x * bpp, bgr, 3);
    }
  }
}

bool TBitmap::LoadFromStream(TStream& stream) {
  const int64_t remaining = std::max<int64_t>(stream.Size() - stream.Position(), 0);
  std::vector<uint8_t> file(static_cast<size_t>(remaining));
  const int64_t got = stream.Read(file.data(), remaining);
  file.resize(static_cast<size_t>(std::max<int64_t>(got, 0)));
  return DecodeBmp(file, *this);
}

void TBitmap::SaveToStream(TStream& stream) const {
  const std::vector<uint8_t> file = EncodeBmp(*this);
  stream.WriteBytes(file);
}

bool TBitmap::LoadFromFile(const std::filesystem::path& file_name) {
  try {
    TFileStream file(file_name, FileMode::kOpenRead);
    return LoadFromStream(file);
  } catch (const EStreamError&) {
    Clear();
    return false;
  }
}

void TBitmap::SaveToFile(const std::filesystem::path& file_name) const {
  TFileStream file(file_name, FileMode::kCreate);
  SaveToStream(file);
}

}  // namespace kova
