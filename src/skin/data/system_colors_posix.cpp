#include <array>

#include "skin/data/system_colors.h"

namespace kova {

TColor SystemColorRGB(int index) {
  // The classic Windows scheme, indices 0..30.
  static constexpr std::array<TColor, 31> kDefaults = {
      0xC8D0D4, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000,
      0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4,
      0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000,
      0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0, 0xD77800, 0xC8D0D4};
  return index >= 0 && index < static_cast<int>(kDefaults.size()) ? kDefaults[index] : 0;
}

}  // namespace kova
