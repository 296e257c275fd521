#include "skin/apply/frame_region_win.h"

#include <algorithm>

#include "skin/apply/bitmap_region_win.h"

namespace kova {

namespace {

UniqueRegion PartRegion(const TSkinData& data, const FrameRegionPart& part, bool active) {
  const ImageRect& r = part.rect;
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  if (part.rendered && w > 0 && h > 0) {
    const TDataSkinObject* border = BorderObject(data, *part.rendered);
    if (border != nullptr && !border->Map.Empty()) {
      const TBitmap strip = ComposeBorderStrip(*border, *part.rendered, w, h, active);
      return BitmapToRegion(strip, r.left, r.top);
    }
  }
  return UniqueRegion(
      CreateRectRgn(r.left, r.top, std::max(r.left, r.right), std::max(r.top, r.bottom)));
}

}  // namespace

UniqueRegion BuildFrameRegion(const TSkinData& data, const FrameWidths& frame,
                              SkinBorderStyle style, int width, int height, bool active) {
  const std::vector<FrameRegionPart> parts = PlanFrameRegion(data, frame, style, width, height);
  if (parts.empty()) {
    return UniqueRegion();
  }
  UniqueRegion result(CreateRectRgn(0, 0, 0, 0));
  for (const FrameRegionPart& part : parts) {
    UniqueRegion piece = PartRegion(data, part, active);
    if (!result || !piece) {
      return UniqueRegion();
    }
    CombineRgn(result.Get(), result.Get(), piece.Get(), RGN_OR);
  }
  return result;
}

}  // namespace kova
