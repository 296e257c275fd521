// Colours as the host framework stores them: 0x00BBGGRR, system colours with 0xFF in
// the high byte and the system colour index in the low byte.
#pragma once

#include <cstdint>

#include "base/text.h"

namespace kova {

using Color = uint32_t;

inline constexpr Color kColorNone = 0x1FFFFFFF;
inline constexpr Color kSystemColorBase = 0xFF000000;

constexpr Color Rgb(int r, int g, int b) {
  return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(Color c) {
  return c & 0xFF;
}
constexpr int GreenOf(Color c) {
  return (c >> 8) & 0xFF;
}
constexpr int BlueOf(Color c) {
  return (c >> 16) & 0xFF;
}

constexpr Color SysColor(int index) {
  return kSystemColorBase + static_cast<Color>(index);
}
constexpr bool IsSystemColor(Color c) {
  return (c & 0xFF000000) == kSystemColorBase;
}
constexpr int SystemColorIndex(Color c) {
  return static_cast<int>(c & 0xFF);
}

// System colour indices the engine names directly.
inline constexpr int kSysColorHighlight = 13;
inline constexpr int kSysColorHighlightText = 14;

// The named colours of the mark-up ("clred", "clbtnface", ...), compared exactly. Plain
// colours are tried first, system colours only when that gave 0; unknown names are 0.
Color ColorFromName(WideStringView name);

// "#RRGGBB": each digit is the character minus '0' below 'A', else minus 55, so only
// upper-case hexadecimal reads as expected. Missing digits count as 0; the result is
// kept within 24 bits so stray characters can never produce a system colour.
Color ColorFromHex(WideStringView text);

// An attribute value: "#RRGGBB" or a colour name.
Color ParseColor(WideStringView value);

// Classic Windows default for a system colour index, used where no platform table exists.
Color DefaultSystemColor(int index);

}  // namespace kova
