#include "forms/graphics/pixel_draw_win.h"

#include <cstring>

#include "forms/graphics/gif_image.h"
#include "forms/graphics/png_image.h"

namespace kova {

UniqueBitmap MakeDibSection(const TBitmap& source, bool premultiply) {
  if (source.Empty()) {
    return UniqueBitmap();
  }
  TBitmap pixels = source;
  pixels.SetPixelFormat(PixelFormat::k32Bit);
  const bool widened = source.GetPixelFormat() != PixelFormat::k32Bit;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = pixels.Width();
  info.bmiHeader.biHeight = -pixels.Height();
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dib || bits == nullptr) {
    return UniqueBitmap();
  }
  auto* out = static_cast<uint8_t*>(bits);
  const int row_bytes = pixels.Width() * 4;
  for (int y = 0; y < pixels.Height(); ++y) {
    const uint8_t* in = pixels.ScanLine(y);
    uint8_t* dst = out + static_cast<size_t>(y) * row_bytes;
    std::memcpy(dst, in, static_cast<size_t>(row_bytes));
    for (int x = 0; x < pixels.Width(); ++x) {
      uint8_t* p = dst + x * 4;
      if (widened) {
        p[3] = 0xFF;
      } else if (premultiply) {
        p[0] = static_cast<uint8_t>(p[0] * p[3] / 255);
        p[1] = static_cast<uint8_t>(p[1] * p[3] / 255);
        p[2] = static_cast<uint8_t>(p[2] * p[3] / 255);
      }
    }
  }
  return dib;
}

void DrawPixels(HDC dc, const RECT& rect, const TBitmap& pixels, bool blend) {
  UniqueBitmap dib = MakeDibSection(pixels, blend);
  if (!dib) {
    return;
  }
  UniqueMemoryDC memory(CreateCompatibleDC(dc));
  ScopedSelectObject select(memory.Get(), dib.Get());
  const int w = rect.right - rect.left;
  const int h = rect.bottom - rect.top;
  if (blend) {
    const BLENDFUNCTION blend_function{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, rect.left, rect.top, w, h, memory.Get(), 0, 0, pixels.Width(), pixels.Height(),
               blend_function);
  } else {
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, rect.left, rect.top, w, h, memory.Get(), 0, 0, pixels.Width(), pixels.Height(),
               SRCCOPY);
  }
}

void TPngImage::Draw(HDC dc, const RECT& rect) const {
  DrawPixels(dc, rect, pixels_, has_alpha_);
}

void TGIFImage::Draw(HDC dc, const RECT& rect) const {
  if (!frames_.empty()) {
    DrawPixels(dc, rect, frames_[static_cast<size_t>(current_)].pixels, true);
  }
}

}  // namespace kova
