#include "skin/apply/frame_region.h"

namespace kova {

namespace {

bool SeeThrough(const TDataSkinObject* border) {
  return border != nullptr && border->Trans == 1;
}

}  // namespace

const TDataSkinBorder* BorderObject(const TSkinData& data, BorderSide side) {
  switch (side) {
    case BorderSide::kLeft:
      return data.Left.get();
    case BorderSide::kRight:
      return data.Right.get();
    case BorderSide::kTop:
      return data.Top.get();
    case BorderSide::kBottom:
      return data.Bottom.get();
  }
  return nullptr;
}

std::vector<FrameRegionPart> PlanFrameRegion(const TSkinData& data, const FrameWidths& frame,
                                             SkinBorderStyle style, int width, int height) {
  std::vector<FrameRegionPart> parts;
  if (width <= 0 || height <= 0) {
    return parts;
  }
  const int w = width;
  const int h = height;
  const bool any_see_through = SeeThrough(data.Left.get()) || SeeThrough(data.Right.get()) ||
                               SeeThrough(data.Top.get()) || SeeThrough(data.Bottom.get());
  if (!any_see_through) {
    parts.push_back({{0, 0, w, h}, std::nullopt});
    return parts;
  }
  parts.push_back({{frame.left, frame.caption, w - frame.right, h - frame.bottom}, std::nullopt});
  if (style == SkinBorderStyle::kNone) {
    return parts;
  }
  struct Strip {
    BorderSide side;
    const TDataSkinObject* border;
    ImageRect rect;
    int thickness;
  };
  const Strip strips[] = {
      {BorderSide::kLeft, data.Left.get(), {0, 0, frame.left, h}, frame.left},
      {BorderSide::kRight, data.Right.get(), {w - frame.right, 0, w, h}, frame.right},
      {BorderSide::kBottom,
       data.Bottom.get(),
       {frame.left, h - frame.bottom, w - frame.right, h},
       frame.bottom},
      {BorderSide::kTop,
       data.Top.get(),
       {frame.left, 0, w - frame.right, frame.caption},
       frame.caption},
  };
  for (const Strip& strip : strips) {
    FrameRegionPart part{strip.rect, std::nullopt};
    if (SeeThrough(strip.border) && strip.thickness >= 2) {
      part.rendered = strip.side;
    }
    parts.push_back(part);
  }
  return parts;
}

}  // namespace kova
