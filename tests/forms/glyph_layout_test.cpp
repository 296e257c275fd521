// Where a button's glyph and caption go, and the greyed glyph of a disabled button.
#include <gtest/gtest.h>

#include "forms/graphics/glyph_layout.h"

namespace kova {
namespace {

TEST(GlyphLayoutTest, GlyphAndCaptionCentredTogether) {
  const LayoutRect client{0, 0, 60, 30};
  const struct {
    GlyphSide side;
    int glyph_w, text_w;
    LayoutRect glyph, text;
  } cases[] = {
      // 8 x 8 glyph, 20 x 10 caption, 4 apart.
      {GlyphSide::kLeft, 8, 20, {14, 11, 22, 19}, {26, 10, 46, 20}},
      {GlyphSide::kRight, 8, 20, {38, 11, 46, 19}, {14, 10, 34, 20}},
      {GlyphSide::kTop, 8, 20, {26, 4, 34, 12}, {20, 16, 40, 26}},
      {GlyphSide::kBottom, 8, 20, {26, 18, 34, 26}, {20, 4, 40, 14}},
      // One of the two alone is centred, and the spacing does not count.
      {GlyphSide::kLeft, 8, 0, {26, 11, 34, 19}, {}},
      {GlyphSide::kLeft, 0, 20, {}, {20, 10, 40, 20}},
  };
  for (const auto& c : cases) {
    const GlyphLayout placed =
        PlaceGlyphAndText(client, c.glyph_w, c.glyph_w, c.text_w, 10, c.side, 4);
    EXPECT_EQ(placed.glyph, c.glyph) << static_cast<int>(c.side) << " " << c.glyph_w;
    EXPECT_EQ(placed.text, c.text) << static_cast<int>(c.side) << " " << c.text_w;
  }
}

TEST(GlyphLayoutTest, DisabledGlyphIsGreyAndKeepsItsSeeThroughPixels) {
  TBitmap glyph(2, 1, PixelFormat::k32Bit);
  glyph.SetPixel(0, 0, 0xFF00FF);
  glyph.SetPixel(1, 0, 0x0000FF);  // red
  glyph.ScanLine(0)[4 + 3] = 200;  // its alpha
  const TBitmap keyed = GetDisableImg(glyph, 0xFF00FF);
  EXPECT_EQ(keyed.Pixel(0, 0) & 0xFFFFFF, 0xFF00FF);
  // Red's brightness (76 of 255) lifted halfway to white: 128 + 38.
  EXPECT_EQ(keyed.Pixel(1, 0) & 0xFFFFFF, 0xA6A6A6);
  EXPECT_EQ(keyed.ScanLine(0)[4 + 3], 200);
  // Without a key every pixel turns grey.
  EXPECT_NE(GetDisableImg(glyph, -1).Pixel(0, 0) & 0xFFFFFF, 0xFF00FF);
}

}  // namespace
}  // namespace kova
