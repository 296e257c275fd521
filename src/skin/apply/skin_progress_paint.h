// A progress bar composed from the skin: the "Progress" frame over the whole bar and the
// "Progress.Chunk" object over the filled part inside the frame's margins.
#pragma once

#include "forms/graphics/bitmap.h"
#include "skin/data/image_utils.h"
#include "skin/data/skin_data.h"

namespace kova {

struct ProgressLook {
  int minimum = 0;
  int maximum = 100;
  int position = 0;
  bool vertical = false;  // fills from the bottom up
};

// The filled part of a bar of `width` x `height` whose frame keeps `inset` free on each
// side: proportional to the position in the range (clamped to it), from the left or,
// vertical, from the bottom. Empty for an empty range.
ImageRect ProgressFilledRect(int width, int height, const ImageRect& inset,
                             const ProgressLook& look);

// The background, the frame (frame 1 horizontal, 2 vertical when the object has two)
// and the chunk over the filled part. False without a "Progress" image.
bool ComposeProgress(TBitmap& buffer, const TSkinData& skin, const ProgressLook& look,
                     TColor background);

}  // namespace kova
