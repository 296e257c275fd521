// Which parts a skinned window's region is made of: the inner rectangle and the four
// border strips, each either a plain rectangle or, for a see-through border, the opaque
// pixels of the strip as it is drawn.
#pragma once

#include <optional>
#include <vector>

#include "skin/apply/frame_geometry.h"
#include "skin/data/frame_compose.h"

namespace kova {

struct FrameRegionPart {
  ImageRect rect;
  // The strip's border when its opaque pixels make the part; none for a plain rectangle.
  std::optional<BorderSide> rendered;
};

// The skin's border object of a side (null when the skin has none).
const TDataSkinBorder* BorderObject(const TSkinData& data, BorderSide side);

// The parts of the region of a width x height window, in uniting order. Nothing for a
// zero-size window; the whole window when no border is see-through; only the inner
// rectangle for a window without border. A border is cut to its pixels when its Trans
// is 1 and the strip is at least 2 pixels thick.
std::vector<FrameRegionPart> PlanFrameRegion(const TSkinData& data, const FrameWidths& frame,
                                             SkinBorderStyle style, int width, int height);

}  // namespace kova
