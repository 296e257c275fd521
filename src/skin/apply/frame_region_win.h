// The window region of a skinned frame.
#pragma once

#include "base/win/handles_win.h"
#include "skin/apply/frame_region.h"

namespace kova {

// The region of a width x height window: see-through border strips are drawn as the
// frame draws them and cut to their opaque pixels, all other parts are rectangles.
// Invalid for a zero-size window or when the system makes no region.
UniqueRegion BuildFrameRegion(const TSkinData& data, const FrameWidths& frame,
                              SkinBorderStyle style, int width, int height, bool active);

}  // namespace kova
