// Where a button's glyph and caption go: both centred together in the button, the glyph
// on one side of the caption, a spacing apart. Also the greyed look of a disabled glyph.
#pragma once

#include "forms/graphics/bitmap.h"

namespace kova {

enum class GlyphSide { kLeft, kRight, kTop, kBottom };

struct LayoutRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};

struct GlyphLayout {
  LayoutRect glyph;  // empty without a glyph
  LayoutRect text;   // empty without a caption
};

// A glyph of glyph_w x glyph_h and a caption measured text_w x text_h inside `client`.
// The spacing counts only when both are there.
GlyphLayout PlaceGlyphAndText(const LayoutRect& client, int glyph_w, int glyph_h, int text_w,
                              int text_h, GlyphSide side, int spacing);

// A greyed copy of a glyph: pixels of `transparent` stay (a negative value: none does),
// every other pixel becomes a light grey of its own brightness; a fourth byte is kept.
TBitmap GetDisableImg(const TBitmap& glyph, TColor transparent);

}  // namespace kova
