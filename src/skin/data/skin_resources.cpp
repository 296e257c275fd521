// The library's own bitmaps, drawn here so that every build carries the same pixels:
// the track-bar grooves used when a skin has none, and the menu glyph strip.
#include <string_view>

#include "skin/data/image_utils.h"
#include "skin/data/skin_platform.h"

namespace kova {

namespace {

constexpr TColor kShadow = 0x808080;
constexpr TColor kDark = 0x404040;
constexpr TColor kLight = 0xFFFFFF;
constexpr TColor kFace = 0xC8C8C8;

// A sunken groove 3 pixels deep on each side, so it stretches with margins of 3.
TBitmap Groove(int width, int height) {
  TBitmap bitmap(width, height);
  bitmap.Fill(kFace);
  for (int x = 0; x < width; ++x) {
    bitmap.SetPixel(x, 0, kShadow);
    bitmap.SetPixel(x, 1, kDark);
    bitmap.SetPixel(x, height - 1, kLight);
  }
  for (int y = 0; y < height; ++y) {
    bitmap.SetPixel(0, y, kShadow);
    bitmap.SetPixel(1, y, kDark);
    bitmap.SetPixel(width - 1, y, kLight);
  }
  return bitmap;
}

// Sixteen-pixel glyphs in black on white (white is the mask colour): check mark,
// radio dot, sub-menu arrow, close, minimize, maximize, restore, help.
TBitmap MenuGlyphs() {
  constexpr int kGlyphs = 8;
  TBitmap bitmap(16 * kGlyphs, 16);
  bitmap.Fill(kLight);
  auto dot = [&](int glyph, int x, int y) { bitmap.SetPixel(glyph * 16 + x, y, 0); };
  for (int i = 0; i < 3; ++i) {  // check mark
    dot(0, 4 + i, 7 + i);
    dot(0, 4 + i, 8 + i);
  }
  for (int i = 0; i < 5; ++i) {
    dot(0, 7 + i, 8 - i);
    dot(0, 7 + i, 9 - i);
  }
  for (int y = 6; y < 10; ++y) {  // radio dot
    for (int x = 6; x < 10; ++x) {
      dot(1, x, y);
    }
  }
  for (int i = 0; i < 4; ++i) {  // arrow
    for (int y = 4 + i; y < 12 - i; ++y) {
      dot(2, 6 + i, y);
    }
  }
  for (int i = 0; i < 8; ++i) {  // close
    dot(3, 4 + i, 4 + i);
    dot(3, 11 - i, 4 + i);
  }
  for (int x = 4; x < 12; ++x) {  // minimize
    dot(4, x, 11);
    dot(4, x, 12);
  }
  for (int i = 0; i < 8; ++i) {  // maximize
    dot(5, 4 + i, 4);
    dot(5, 4 + i, 5);
    dot(5, 4 + i, 11);
    dot(5, 4, 4 + i);
    dot(5, 11, 4 + i);
  }
  for (int i = 0; i < 6; ++i) {  // restore: two overlapping boxes
    dot(6, 6 + i, 3);
    dot(6, 11, 3 + i);
    dot(6, 3 + i, 6);
    dot(6, 3 + i, 11);
    dot(6, 3, 6 + i);
    dot(6, 8, 6 + i);
  }
  for (int x = 6; x < 10; ++x) {  // help: a question mark
    dot(7, x, 3);
  }
  dot(7, 10, 4);
  dot(7, 10, 5);
  dot(7, 9, 6);
  dot(7, 8, 7);
  dot(7, 8, 8);
  dot(7, 8, 11);
  return bitmap;
}

}  // namespace

bool LoadSkinResourceBitmap(std::string_view name, TBitmap& bitmap) {
  if (name == "TRACK") {
    bitmap = Groove(24, 8);
  } else if (name == "TRACKVERT") {
    bitmap = Groove(8, 24);
  } else if (name == "KESTRELMENU") {
    bitmap = MenuGlyphs();
  } else {
    bitmap.Clear();
    return false;
  }
  return true;
}

}  // namespace kova
