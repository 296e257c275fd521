#include <windows.h>

#include "skin/data/skin_platform.h"
#include "skin/data/skin_system_win.h"

namespace kova {

int SkinVerticalScrollBarWidth() {
  return GetSystemMetrics(SM_CXVSCROLL);
}

void SkinMaximizedSize(int& width, int& height) {
  width = GetSystemMetrics(SM_CXMAXIMIZED);
  height = GetSystemMetrics(SM_CYMAXIMIZED);
}

bool SkinHasScrollBarInfo() {
  return pGetScrollBarInfo != nullptr;
}

SkinCaptionFont SkinSystemCaptionFont() {
  SkinCaptionFont font;
  // The size field of the older, shorter structure: every system version accepts it.
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = 500;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, 500, &metrics, 0)) {
    font.face = WideFromWin(metrics.lfCaptionFont.lfFaceName);
    font.height = metrics.lfCaptionFont.lfHeight;
    font.weight = metrics.lfCaptionFont.lfWeight;
    font.valid = true;
  }
  return font;
}

}  // namespace kova
