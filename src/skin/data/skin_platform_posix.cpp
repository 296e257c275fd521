// Classic desktop values for builds without a window system.
#include "skin/data/skin_platform.h"

namespace kova {

int SkinVerticalScrollBarWidth() {
  return 17;
}

void SkinMaximizedSize(int& width, int& height) {
  width = 1040;
  height = 784;
}

bool SkinHasScrollBarInfo() {
  return true;
}

SkinCaptionFont SkinSystemCaptionFont() {
  return {u"Tahoma", -11, 700, true};
}

}  // namespace kova
