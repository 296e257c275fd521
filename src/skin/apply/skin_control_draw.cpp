#include "skin/apply/skin_control_draw.h"

#include <algorithm>

namespace kova {

namespace {

bool Drawable(const ImageRect& rect) {
  return rect.right > rect.left && rect.bottom > rect.top;
}

}  // namespace

void DrawSkinMap(TBitmap& dest, const ImageRect& rect, const TBitmap& image,
                 const SkinMargins& margins, int frames, int frame, bool transparent, bool tile) {
  if (!Drawable(rect) || image.Empty() || dest.Empty()) {
    return;
  }
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  const TBitmap composed =
      GetHMap(width, height, image, margins, /*stacked=*/false, tile, frames, frame);
  StretchCopy(dest, rect, composed, {0, 0, composed.Width(), composed.Height()}, transparent);
}

void DrawSkinMap(TBitmap& dest, const ImageRect& rect, const TDataSkinObject& object, int frame) {
  DrawSkinMap(dest, rect, object.Map, MarginsOf(object), object.Frame, frame, object.Trans == 1,
              object.Tile == 1);
}

void DrawSkinMap1(TBitmap& dest, const ImageRect& rect, const TBitmap& image, int frames,
                  int frame) {
  if (!Drawable(rect) || image.Empty()) {
    return;
  }
  StretchCopy(dest, rect, image, FrameRect(image, frames, frame, false), /*transparent=*/true);
}

void FillRect(TBitmap& dest, const ImageRect& rect, TColor color) {
  const int left = std::max(rect.left, 0);
  const int top = std::max(rect.top, 0);
  const int right = std::min(rect.right, dest.Width());
  const int bottom = std::min(rect.bottom, dest.Height());
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      dest.SetPixel(x, y, color);
    }
  }
}

}  // namespace kova
