// Window regions from bitmaps: the opaque runs of a bitmap as a region, built from
// batches of rectangles united as they come.
#pragma once

#include <windows.h>

#include "base/win/handles_win.h"
#include "skin/apply/bitmap_region.h"

namespace kova {

// The region of the pixels of `bitmap` that are not the key colour, shifted by (x, y).
// An all-transparent or empty bitmap gives an empty (but valid) region; the region is
// invalid only when the system refuses to make one.
UniqueRegion BitmapToRegion(const TBitmap& bitmap, int x, int y, TColor key = kTransparentKey,
                            const KeyTolerance& tolerance = kFrameKeyTolerance);

}  // namespace kova
