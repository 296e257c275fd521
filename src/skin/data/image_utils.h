// Pixel and colour helpers with which the skin derives images from its bitmaps and the
// control skinning turns glyphs and paints gradients. Bitmaps are worked on at 24 (or
// 32) bits per pixel through their scan lines.
#pragma once

#include <cstdint>
#include <vector>

#include "forms/graphics/bitmap.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace kova {

inline constexpr TColor kTransparentKey = 0xFF00FF;

// Makes the bitmap 24 bits per pixel and replaces every exactly magenta pixel by
// `color`'s red, green and blue bytes.
void ChangeTrans(TBitmap& bitmap, TColor color);

void SpiegelnHorizontal(TBitmap& bitmap);  // mirror left to right
void SpiegelnVertikal(TBitmap& bitmap);    // mirror top to bottom
void Drehen90Grad(TBitmap& bitmap);        // rotate clockwise; W x H becomes H x W
void Drehen270Grad(TBitmap& bitmap);       // rotate counter-clockwise

// Mixes two colours; `a` is the weight of `c1`: a percentage below 100, per mille from
// 100 on (so 100 means 10 %). System colours are resolved first.
TColor Blend(TColor c1, TColor c2, int a);

// A saturation measure: 200 when every channel is below 160, otherwise the saturation
// scaled to 0..255.
int32_t GetHSV(TColor color);

struct ImageRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The colours of an n-step gradient from c1 to c2 (plain RGB values), shared through a
// 16-slot cache. Raises EAssertionFailed("Assertion failure") for n below 1.
const std::vector<TColor>& GradientColors(int n, TColor c1, TColor c2);

// Which steps of a gradient over `rect` fall inside `clip`; empty when none does.
struct GradientSteps {
  int count = 0;  // n, the full number of steps
  int first = 0;
  int last = -1;
  bool Empty() const { return count < 1 || first > last; }
};
GradientSteps VisibleGradientSteps(const ImageRect& rect, const ImageRect& clip, bool vertical);

// Fills `rect` with a gradient from c1 to c2, top to bottom when `vertical`, else left
// to right; only the part inside the bitmap is painted, with the colours of the full
// gradient.
void GradFill(TBitmap& bitmap, const ImageRect& rect, TColor c1, bool vertical, TColor c2);

#ifdef _WIN32
// The same onto a device context, limited to its clip box.
void GradFill(HDC dc, const RECT& rect, TColor c1, bool vertical, TColor c2);
#endif

}  // namespace kova
