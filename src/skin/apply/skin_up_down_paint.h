// Up-down buttons composed from the skin: the control split into its two buttons, each
// drawn from "UpDown.Vert" (or "UpDown.Horz" side by side) in a push-button state, with
// the object's glyph centred on it.
#pragma once

#include <cstdint>

#include "forms/graphics/bitmap.h"
#include "skin/data/image_utils.h"
#include "skin/data/skin_data.h"

namespace kova {

// The first button is the upper (or, side by side, the left) one; the second the lower
// (or right) one.
enum class UpDownPart : uint8_t { kNone, kFirst, kSecond };

struct UpDownHalves {
  ImageRect first;
  ImageRect second;
};

// The control's two buttons, split where the control itself splits them for its mouse
// handling: the first half is length / 2 long.
UpDownHalves UpDownLayout(int width, int height, bool horizontal);
UpDownPart UpDownPartAt(int width, int height, bool horizontal, int x, int y);

// The frame of one button in the object's strip: frames 1 to 4 are the first button and
// 5 to 8 the second, each as push buttons (1 normal, 2 pressed, 3 disabled, 4 hot).
int UpDownButtonFrame(UpDownPart button, UpDownPart pressed, UpDownPart hot, bool enabled);

// Background and both buttons with their glyphs. False without an image for the
// orientation.
bool ComposeUpDown(TBitmap& buffer, const TSkinData& skin, bool horizontal, UpDownPart pressed,
                   UpDownPart hot, bool enabled, TColor background);

}  // namespace kova
