#include "skin/data/skin_colors.h"

#include <array>

namespace kova {

TColor strcolor(std::string_view text) {
  std::array<int, 3> numbers{};
  size_t stored = 0;
  // Values are only ever used modulo 256, so the digits are accumulated that way and
  // any length of number is safe.
  int run = 0;
  bool in_run = false;
  for (char c : text) {
    if (stored == numbers.size()) {
      break;
    }
    if (c >= '0' && c <= '9') {
      run = (run * 10 + (c - '0')) % 256;
      in_run = true;
    } else if (in_run) {
      numbers[stored++] = run;
      run = 0;
      in_run = false;
    }
  }
  // A number at the very end counts whenever fewer than three came before it, so
  // "10,20" keeps its green.
  if (in_run && stored < numbers.size()) {
    numbers[stored++] = run;
  }
  return RGBToColor(numbers[0], numbers[1], numbers[2]);
}

TColor RGBToColor(int32_t r, int32_t g, int32_t b) {
  return static_cast<TColor>((r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16);
}

}  // namespace kova
