// Turning framework colours into plain 0x00BBGGRR values: a negative colour is a
// system colour whose index is its low byte.
#pragma once

#include "forms/graphics/bitmap.h"

namespace kova {

// The platform's colour for a system colour index (GetSysColor on Windows; the
// classic default scheme elsewhere). Unknown indices give black.
TColor SystemColorRGB(int index);

inline TColor ResolveColor(TColor color) {
  return color < 0 ? SystemColorRGB(color & 0xFF) : color;
}

}  // namespace kova
