#include "skin/data/image_utils.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "skin/data/assertion.h"
#include "skin/data/system_colors.h"

namespace kova {

namespace {

int Red(TColor c) {
  return c & 0xFF;
}
int Green(TColor c) {
  return (c >> 8) & 0xFF;
}
int Blue(TColor c) {
  return (c >> 16) & 0xFF;
}
TColor Rgb(int r, int g, int b) {
  return (r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16;
}

// Builds a bitmap of the given size and the source's format and fills it with
// source pixels chosen by `source_of(x, y)` for each destination pixel.
template <typename Mapping>
void Remap(TBitmap& bitmap, int width, int height, Mapping source_of) {
  if (bitmap.Empty()) {
    return;
  }
  TBitmap result(width, height, bitmap.GetPixelFormat());
  const int bpp = bitmap.BytesPerPixel();
  const uint8_t* source_row = nullptr;
  int source_y = -1;
  for (int y = 0; y < height; ++y) {
    uint8_t* dst = result.ScanLine(y);
    for (int x = 0; x < width; ++x) {
      const auto [sx, sy] = source_of(x, y);
      if (sy != source_y) {
        source_row = bitmap.ScanLine(sy);
        source_y = sy;
      }
      // Fixed sizes let the copies be plain moves.
      if (bpp == 4) {
        std::memcpy(dst + x * 4, source_row + sx * 4, 4);
      } else {
        std::memcpy(dst + x * 3, source_row + sx * 3, 3);
      }
    }
  }
  bitmap = std::move(result);
}

// One gradient table per slot, with the request it answers.
struct GradientSlot {
  int n = 0;
  TColor c1 = 0;
  TColor c2 = 0;
  std::vector<TColor> colors;
};

struct GradientCache {
  std::array<GradientSlot, 16> slots;
  size_t next = 0;
};

GradientCache& Cache() {
  static GradientCache cache;
  return cache;
}

std::vector<TColor> ComputeGradient(int n, TColor c1, TColor c2) {
  std::vector<TColor> colors(static_cast<size_t>(n));
  const auto channel = [n](int from, int to, int i) {
    if (n == 1) {
      return from + (to - from) / 2;  // C++ division truncates toward zero
    }
    return from + ((to - from) * i + (n - 1) / 2) / (n - 1);
  };
  for (int i = 0; i < n; ++i) {
    colors[static_cast<size_t>(i)] =
        Rgb(channel(Red(c1), Red(c2), i), channel(Green(c1), Green(c2), i),
            channel(Blue(c1), Blue(c2), i));
  }
  return colors;
}

}  // namespace

void ChangeTrans(TBitmap& bitmap, TColor color) {
  bitmap.SetPixelFormat(PixelFormat::k24Bit);
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint8_t* p = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += 3) {
      if (p[0] == 255 && p[1] == 0 && p[2] == 255) {
        p[0] = static_cast<uint8_t>(Blue(color));
        p[1] = static_cast<uint8_t>(Green(color));
        p[2] = static_cast<uint8_t>(Red(color));
      }
    }
  }
}

void SpiegelnHorizontal(TBitmap& bitmap) {
  const int w = bitmap.Width();
  Remap(bitmap, w, bitmap.Height(), [w](int x, int y) { return std::pair{w - 1 - x, y}; });
}

void SpiegelnVertikal(TBitmap& bitmap) {
  const int h = bitmap.Height();
  Remap(bitmap, bitmap.Width(), h, [h](int x, int y) { return std::pair{x, h - 1 - y}; });
}

void Drehen90Grad(TBitmap& bitmap) {
  // Source (x, y) goes to (H-1-y, x): destination (dx, dy) comes from (dy, H-1-dx).
  const int h = bitmap.Height();
  Remap(bitmap, h, bitmap.Width(), [h](int dx, int dy) { return std::pair{dy, h - 1 - dx}; });
}

void Drehen270Grad(TBitmap& bitmap) {
  // Source (x, y) goes to (y, W-1-x): destination (dx, dy) comes from (W-1-dy, dx).
  const int w = bitmap.Width();
  Remap(bitmap, bitmap.Height(), w, [w](int dx, int dy) { return std::pair{w - 1 - dy, dx}; });
}

TColor Blend(TColor c1, TColor c2, int a) {
  c1 = ResolveColor(c1);
  c2 = ResolveColor(c2);
  const int scale = a < 100 ? 100 : 1000;
  const int rounding = scale / 2;
  const auto mix = [&](int from1, int from2) {
    return (from2 * (scale - a) + from1 * a + rounding) / scale;
  };
  return Rgb(mix(Red(c1), Red(c2)), mix(Green(c1), Green(c2)), mix(Blue(c1), Blue(c2)));
}

int32_t GetHSV(TColor color) {
  const int r = Red(color);
  const int g = Green(color);
  const int b = Blue(color);
  if (r < 160 && g < 160 && b < 160) {
    return 200;
  }
  const int max = std::max({r, g, b});
  const int min = std::min({r, g, b});
  const double saturation = max == 0 ? 0.0 : static_cast<double>(max - min) / max;
  return static_cast<int32_t>(std::nearbyint(saturation * 255));  // halves to even
}

const std::vector<TColor>& GradientColors(int n, TColor c1, TColor c2) {
  if (n < 1) {
    throw EAssertionFailed("Assertion failure");
  }
  GradientCache& cache = Cache();
  for (size_t i = cache.slots.size(); i-- > 0;) {
    const GradientSlot& slot = cache.slots[i];
    if (!slot.colors.empty() && slot.n == n && slot.c1 == c1 && slot.c2 == c2) {
      return slot.colors;
    }
  }
  GradientSlot& slot = cache.slots[cache.next];
  cache.next = (cache.next + 1) % cache.slots.size();
  slot = {n, c1, c2, ComputeGradient(n, c1, c2)};
  return slot.colors;
}

GradientSteps VisibleGradientSteps(const ImageRect& rect, const ImageRect& clip, bool vertical) {
  const int start = vertical ? rect.top : rect.left;
  const int end = vertical ? rect.bottom : rect.right;
  const int clip_start = vertical ? clip.top : clip.left;
  const int clip_end = vertical ? clip.bottom : clip.right;
  const bool visible = rect.left < clip.right && clip.left < rect.right && rect.top < clip.bottom &&
                       clip.top < rect.bottom;
  GradientSteps steps;
  steps.count = end - start;
  if (!visible || steps.count < 1) {
    return steps;
  }
  steps.first = std::max(0, clip_start - start);
  steps.last = steps.count - 1 - std::max(0, end - clip_end);
  return steps;
}

void GradFill(TBitmap& bitmap, const ImageRect& rect, TColor c1, bool vertical, TColor c2) {
  const ImageRect clip{0, 0, bitmap.Width(), bitmap.Height()};
  const GradientSteps steps = VisibleGradientSteps(rect, clip, vertical);
  if (steps.Empty()) {
    return;
  }
  const std::vector<TColor>& colors =
      GradientColors(steps.count, ResolveColor(c1), ResolveColor(c2));
  // The other axis, limited to the bitmap.
  const int across_begin = std::max(vertical ? rect.left : rect.top, 0);
  const int across_end =
      std::min(vertical ? rect.right : rect.bottom, vertical ? bitmap.Width() : bitmap.Height());
  const int start = vertical ? rect.top : rect.left;
  const int bpp = bitmap.BytesPerPixel();
  // Every step and every pixel across is inside the bitmap.
  for (int step = steps.first; step <= steps.last; ++step) {
    const TColor color = colors[static_cast<size_t>(step)];
    const uint8_t bgr[3] = {static_cast<uint8_t>(color >> 16), static_cast<uint8_t>(color >> 8),
                            static_cast<uint8_t>(color)};
    for (int k = across_begin; k < across_end; ++k) {
      uint8_t* const pixel = vertical ? bitmap.ScanLine(start + step) + k * bpp
                                      : bitmap.ScanLine(k) + (start + step) * bpp;
      std::memcpy(pixel, bgr, 3);
    }
  }
}

}  // namespace kova
