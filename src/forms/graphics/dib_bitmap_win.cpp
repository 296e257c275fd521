#include "forms/graphics/dib_bitmap.h"

#include <cstring>

#include "forms/graphics/pixel_draw_win.h"

namespace kova {

const ClassInfo& TDibBitmap::StaticClass() {
  static const ClassInfo info("TBitmap", &TGraphic::StaticClass(), {});
  return info;
}

TDibBitmap::TDibBitmap() = default;

TDibBitmap::TDibBitmap(int width, int height) {
  SetSize(width, height);
}

TDibBitmap::~TDibBitmap() {
  if (previous_ != nullptr) {
    SelectObject(dc_.Get(), previous_);
  }
}

bool TDibBitmap::SetSize(int width, int height) {
  if (previous_ != nullptr) {
    SelectObject(dc_.Get(), previous_);
    previous_ = nullptr;
  }
  canvas_.SetHandle(nullptr);
  bitmap_.Reset();
  dc_.Reset();
  bits_ = nullptr;
  width_ = height_ = 0;
  if (width <= 0 || height <= 0 || !TBitmap::SizeAllowed(width, height, PixelFormat::k32Bit)) {
    return width == 0 || height == 0;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
  if (!bitmap || !dc || bits == nullptr) {
    return false;
  }
  bitmap_ = std::move(bitmap);
  dc_ = std::move(dc);
  bits_ = static_cast<uint8_t*>(bits);
  width_ = width;
  height_ = height;
  previous_ = SelectObject(dc_.Get(), bitmap_.Get());
  canvas_.SetHandle(dc_.Get());
  MakeOpaque();
  Changed();
  return true;
}

uint8_t* TDibBitmap::ScanLine(int row) {
  if (row < 0 || row >= height_) {
    throw std::out_of_range("scan line outside the bitmap");
  }
  GdiFlush();  // finish pending GDI drawing before the pixels are read
  return bits_ + static_cast<size_t>(row) * width_ * 4;
}

const uint8_t* TDibBitmap::ScanLine(int row) const {
  return const_cast<TDibBitmap*>(this)->ScanLine(row);
}

void TDibBitmap::MakeOpaque() {
  for (int y = 0; y < height_; ++y) {
    uint8_t* row = ScanLine(y);
    for (int x = 0; x < width_; ++x) {
      row[x * 4 + 3] = 0xFF;
    }
  }
}

void TDibBitmap::AssignPixels(const TBitmap& pixels) {
  TBitmap wide = pixels;
  const bool had_alpha = wide.GetPixelFormat() == PixelFormat::k32Bit;
  wide.SetPixelFormat(PixelFormat::k32Bit);
  if (!SetSize(wide.Width(), wide.Height())) {
    return;
  }
  for (int y = 0; y < height_; ++y) {
    std::memcpy(ScanLine(y), wide.ScanLine(y), static_cast<size_t>(width_) * 4);
  }
  if (!had_alpha) {
    MakeOpaque();
  }
  transparent_ = had_alpha;
  Changed();
}

TBitmap TDibBitmap::ToPixels() const {
  TBitmap pixels(width_, height_, PixelFormat::k32Bit);
  for (int y = 0; y < height_; ++y) {
    std::memcpy(pixels.ScanLine(y), ScanLine(y), static_cast<size_t>(width_) * 4);
  }
  return pixels;
}

bool TDibBitmap::LoadFromStream(TStream& stream) {
  TBitmap pixels;
  if (!pixels.LoadFromStream(stream)) {
    SetSize(0, 0);
    return false;
  }
  AssignPixels(pixels);
  return !Empty();
}

std::unique_ptr<TGraphic> TDibBitmap::Clone() const {
  auto copy = std::make_unique<TDibBitmap>();
  copy->AssignPixels(ToPixels());
  copy->transparent_ = transparent_;
  return copy;
}

void TDibBitmap::Assign(const TPersistent* source) {
  if (const auto* other = dynamic_cast<const TDibBitmap*>(source)) {
    if (other != this) {
      AssignPixels(other->ToPixels());
      transparent_ = other->transparent_;
    }
    return;
  }
  TGraphic::Assign(source);
}

void TDibBitmap::Draw(HDC dc, const RECT& rect) const {
  if (Empty()) {
    return;
  }
  const int w = rect.right - rect.left;
  const int h = rect.bottom - rect.top;
  if (transparent_) {
    DrawPixels(dc, rect, ToPixels(), true);
    return;
  }
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, rect.left, rect.top, w, h, dc_.Get(), 0, 0, width_, height_, SRCCOPY);
}

}  // namespace kova
