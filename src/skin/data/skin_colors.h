// Colour values as skin INI files write them.
#pragma once

#include <cstdint>
#include <string_view>

#include "forms/graphics/bitmap.h"

namespace kova {

// Colour text such as "73,72,72" or "73 72 72": the first three runs of decimal digits
// are red, green and blue, each taken modulo 256; missing numbers count as 0 and an
// empty text is black.
TColor strcolor(std::string_view text);

// R + G * 256 + B * 65536 of the low bytes.
TColor RGBToColor(int32_t r, int32_t g, int32_t b);

// The colour of a system colour index in the framework's encoding (0xFF in the high
// byte, the index in the low byte).
constexpr TColor SystemColor(int index) {
  return static_cast<TColor>(0xFF000000u | static_cast<uint32_t>(index & 0xFF));
}

}  // namespace kova
