// Drawing skin objects into a control's off-screen buffer: one state of an object
// composed with its margins into a rectangle, or one state of a plain glyph strip
// stretched onto it.
#pragma once

#include "forms/graphics/bitmap.h"
#include "skin/data/frame_compose.h"
#include "skin/data/image_utils.h"
#include "skin/data/skin_objects.h"

namespace kova {

// State `frame` (from 1) of `object` composed into `rect` of `dest`; magenta stays
// see-through when the object's Trans is 1. An empty or inverted rectangle, or an
// object without image, draws nothing.
void DrawSkinMap(TBitmap& dest, const ImageRect& rect, const TDataSkinObject& object, int frame);

// The same for an image that is not an object's own (a check box's box image), with
// explicit margins, frame count and transparency.
void DrawSkinMap(TBitmap& dest, const ImageRect& rect, const TBitmap& image,
                 const SkinMargins& margins, int frames, int frame, bool transparent, bool tile);

// State `frame` of a strip of `frames` glyphs stretched onto `rect`, magenta see-through.
void DrawSkinMap1(TBitmap& dest, const ImageRect& rect, const TBitmap& image, int frames,
                  int frame);

// Fills `rect` of `dest` (clipped to it) with one colour.
void FillRect(TBitmap& dest, const ImageRect& rect, TColor color);

}  // namespace kova
