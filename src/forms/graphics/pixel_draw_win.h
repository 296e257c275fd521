// Puts 32-bit blue-green-red-alpha pixels (straight alpha) on a device context.
#pragma once

#include <windows.h>

#include "forms/graphics/bitmap.h"
#include "base/win/handles_win.h"

namespace kova {

// A top-down 32-bit DIB section holding the pixels, premultiplied when blend is set.
UniqueBitmap MakeDibSection(const TBitmap& pixels, bool premultiply);
// Stretches the pixels to rect, blending by alpha when blend is set.
void DrawPixels(HDC dc, const RECT& rect, const TBitmap& pixels, bool blend);

}  // namespace kova
