// What the skin model asks of the system: metrics, the caption font and the library's
// own bitmaps. Windows answers from the real system; elsewhere fixed classic values.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/text.h"
#include "forms/graphics/bitmap.h"

namespace kova {

int SkinVerticalScrollBarWidth();
// Size of a maximized window on the primary monitor.
void SkinMaximizedSize(int& width, int& height);
// Whether the system offers GetScrollBarInfo.
bool SkinHasScrollBarInfo();

struct SkinCaptionFont {
  WideString face;
  int32_t height = 0;  // pixels, negative for character height as the system gives it
  int32_t weight = 400;
  bool valid = false;
};
// The system's caption font from its non-client metrics.
SkinCaptionFont SkinSystemCaptionFont();

// The library's own bitmaps ("TRACK", "TRACKVERT", "KESTRELMENU"); false and an empty
// bitmap for any other name.
bool LoadSkinResourceBitmap(std::string_view name, TBitmap& bitmap);

}  // namespace kova
