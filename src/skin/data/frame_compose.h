// Composing skin images into rectangles: one state image of a strip, its fixed corners
// copied unscaled and its edges and middle stretched (or the middle tiled) to the
// target size. Works on pixel buffers, so painting code composes off screen and puts
// the result on a window in one copy.
#pragma once

#include <cstdint>

#include "forms/graphics/bitmap.h"
#include "skin/data/image_utils.h"
#include "skin/data/skin_objects.h"

namespace kova {

struct SkinMargins {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

SkinMargins MarginsOf(const TDataSkinObject& object);

// The rectangle of state `frame` (from 1) of a strip of `frames` state images, side by
// side or, when `stacked`, one above the other. A frame count below 1 counts as 1.
ImageRect FrameRect(const TBitmap& image, int frames, int frame, bool stacked);

// Copies `source_rect` of `source` stretched (nearest pixel) onto `dest_rect` of
// `dest`, clipped to `dest`. With `transparent`, magenta source pixels are skipped.
void StretchCopy(TBitmap& dest, const ImageRect& dest_rect, const TBitmap& source,
                 const ImageRect& source_rect, bool transparent = false);

// A new 24-bit bitmap of width x height composed from state `frame` of `image`: the
// corners keep their size, the edges stretch along their length, and the middle is
// stretched or, with `tile`, repeated from its top-left corner. Margins that do not fit
// the target are dropped in pairs (left and right, top and bottom). An empty image or
// size gives an empty bitmap.
TBitmap GetHMap(int width, int height, const TBitmap& image, const SkinMargins& margins,
                bool stacked, bool tile, int frames, int frame);

enum class BorderSide : uint8_t { kLeft = 1, kRight = 2, kTop = 3, kBottom = 4 };

// The state image of a border: 1 for an active window, 2 for an inactive one, always 1
// for a single-state image.
int BorderStateFrame(const TDataSkinObject& border, bool active);

// A border strip of width x height as a window's frame shows it: its state image
// composed with its margins (the top and bottom images hold their states one above the
// other) and its middle tiled unless the border's Tile is 1. Empty for an empty image
// or size.
TBitmap ComposeBorderStrip(const TDataSkinObject& border, BorderSide side, int width, int height,
                           bool active);

// GetHMap of an object's state onto `rect` of `dest`; magenta stays see-through when
// `transparent`. DrawRect1 stretches the middle, DrawRectTile tiles it.
void DrawRect1(TBitmap& dest, const ImageRect& rect, const TBitmap& image,
               const SkinMargins& margins, int frames, int frame);
void DrawRect2(TBitmap& dest, const ImageRect& rect, const TBitmap& image,
               const SkinMargins& margins, bool transparent, int frames, int frame);
void DrawRectTile(TBitmap& dest, const ImageRect& rect, const TBitmap& image,
                  const SkinMargins& margins, bool transparent, int frames, int frame);
// One whole state stretched onto `rect`, without margins.
void DrawRect3(TBitmap& dest, const ImageRect& rect, const TBitmap& image, bool transparent,
               int frames, int frame);

}  // namespace kova
