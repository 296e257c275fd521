// GradFill onto a real device context: a memory DC with a 24-bit bitmap, read back
// with GetPixel.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "base/win/handles_win.h"
#include "skin/data/image_utils.h"

namespace kova {
namespace {

class MemoryDc {
 public:
  MemoryDc(int width, int height) : dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    selected_.emplace(dc_.Get(), bitmap_.Get());
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC get() const { return dc_.Get(); }

 private:
  UniqueMemoryDC dc_;
  UniqueBitmap bitmap_;
  std::optional<ScopedSelectObject> selected_;
};

TEST(GradFillDcTest, PaintsTheSharedColourTables) {
  MemoryDc dc(4, 3);
  ASSERT_NE(dc.get(), nullptr);
  GradFill(dc.get(), RECT{0, 0, 4, 3}, 0x000000, true, 0xFFFFFF);
  for (int y = 0; y < 3; ++y) {
    const COLORREF expected = static_cast<COLORREF>(GradientColors(3, 0, 0xFFFFFF)[y]);
    EXPECT_EQ(GetPixel(dc.get(), 2, y), expected) << y;
  }
}

TEST(GradFillDcTest, OnlyTheVisibleColumnsArePaintedWithFullGradientColours) {
  MemoryDc dc(4, 1);
  RECT all{0, 0, 4, 1};
  FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SelectClipRgn(dc.get(), UniqueRegion(CreateRectRgn(0, 0, 2, 1)).Get());
  GradFill(dc.get(), RECT{-2, 0, 4, 1}, 0x000000, false, 0x0000FF);
  SelectClipRgn(dc.get(), nullptr);
  const std::vector<TColor>& full = GradientColors(6, 0x000000, 0x0000FF);
  EXPECT_EQ(GetPixel(dc.get(), 0, 0), static_cast<COLORREF>(full[2]));
  EXPECT_EQ(GetPixel(dc.get(), 1, 0), static_cast<COLORREF>(full[3]));
  EXPECT_EQ(GetPixel(dc.get(), 2, 0), static_cast<COLORREF>(0xFFFFFF));  // clipped away
}

}  // namespace
}  // namespace kova
