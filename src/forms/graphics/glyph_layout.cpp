#include "forms/graphics/glyph_layout.h"

#include <algorithm>

namespace kova {

GlyphLayout PlaceGlyphAndText(const LayoutRect& client, int glyph_w, int glyph_h, int text_w,
                              int text_h, GlyphSide side, int spacing) {
  glyph_w = std::max(glyph_w, 0);
  glyph_h = std::max(glyph_h, 0);
  text_w = std::max(text_w, 0);
  text_h = std::max(text_h, 0);
  const bool has_glyph = glyph_w > 0 && glyph_h > 0;
  const bool has_text = text_w > 0 && text_h > 0;
  const int gap = has_glyph && has_text ? spacing : 0;
  const bool across = side == GlyphSide::kLeft || side == GlyphSide::kRight;
  // The block of both, centred in the client area.
  const int block_w = across ? glyph_w + gap + text_w : std::max(glyph_w, text_w);
  const int block_h = across ? std::max(glyph_h, text_h) : glyph_h + gap + text_h;
  const int x = client.left + (client.Width() - block_w) / 2;
  const int y = client.top + (client.Height() - block_h) / 2;
  GlyphLayout out;
  auto glyph_at = [&](int gx, int gy) {
    if (has_glyph) {
      out.glyph = {gx, gy, gx + glyph_w, gy + glyph_h};
    }
  };
  auto text_at = [&](int tx, int ty) {
    if (has_text) {
      out.text = {tx, ty, tx + text_w, ty + text_h};
    }
  };
  switch (side) {
    case GlyphSide::kLeft:
      glyph_at(x, y + (block_h - glyph_h) / 2);
      text_at(x + glyph_w + gap, y + (block_h - text_h) / 2);
      break;
    case GlyphSide::kRight:
      text_at(x, y + (block_h - text_h) / 2);
      glyph_at(x + text_w + gap, y + (block_h - glyph_h) / 2);
      break;
    case GlyphSide::kTop:
      glyph_at(x + (block_w - glyph_w) / 2, y);
      text_at(x + (block_w - text_w) / 2, y + glyph_h + gap);
      break;
    case GlyphSide::kBottom:
      text_at(x + (block_w - text_w) / 2, y);
      glyph_at(x + (block_w - glyph_w) / 2, y + text_h + gap);
      break;
  }
  return out;
}

TBitmap GetDisableImg(const TBitmap& glyph, TColor transparent) {
  TBitmap out(glyph);
  for (int y = 0; y < out.Height(); ++y) {
    for (int x = 0; x < out.Width(); ++x) {
      const TColor c = out.Pixel(x, y) & 0xFFFFFF;
      if (transparent >= 0 && c == (transparent & 0xFFFFFF)) {
        continue;
      }
      const int r = c & 0xFF;
      const int g = (c >> 8) & 0xFF;
      const int b = (c >> 16) & 0xFF;
      // Brightness, lifted towards white so the glyph reads as inactive.
      const int luma = (r * 77 + g * 150 + b * 29) >> 8;
      const int grey = 128 + luma / 2;
      out.SetPixel(x, y, grey | (grey << 8) | (grey << 16));
    }
  }
  return out;
}

}  // namespace kova
