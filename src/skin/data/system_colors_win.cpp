#include <windows.h>

#include "skin/data/system_colors.h"

namespace kova {

TColor SystemColorRGB(int index) {
  return static_cast<TColor>(GetSysColor(index) & 0xFFFFFF);
}

}  // namespace kova
