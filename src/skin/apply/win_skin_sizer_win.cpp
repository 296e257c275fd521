#include "skin/apply/win_skin_sizer_win.h"

#include <algorithm>

#include "forms/graphics/dib_bitmap.h"
#include "skin/data/system_colors.h"

namespace kova {

const ClassInfo& TSkinSizer::StaticClass() {
  static const ClassInfo info("TSkinSizer", &TSkinControl::StaticClass(), {});
  return info;
}

bool TSkinSizer::BeforeProc(TMessage& message) {
  return !PaintEntirely(message) && TSkinControl::BeforeProc(message);
}

void TSkinSizer::DrawControl(HDC dc, const RECT& rect) {
  if (skin_data_ == nullptr) {
    return;
  }
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) {
    return;
  }
  TBitmap pixels(width, height);
  pixels.Fill(ResolveColor(skin_data_->Color(TShemeColor::csButtonFace)));
  // Three diagonal ridges in the bottom right corner, each a shadow line under a light one.
  const auto shadow = static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW));
  const auto light = static_cast<TColor>(GetSysColor(COLOR_BTNHIGHLIGHT));
  const int size = std::min(width, height);
  for (int ridge = 0; ridge < 3; ++ridge) {
    const int start = size - 4 * (ridge + 1);
    for (int i = std::max(start, 0); i < size; ++i) {
      const int x = width - size + i;
      const int y = height - 1 - (i - start);
      if (y >= 0 && y < height) {
        pixels.SetPixel(x, y, shadow);
      }
      if (y - 1 >= 0 && y - 1 < height) {
        pixels.SetPixel(x, y - 1, light);
      }
    }
  }
  TDibBitmap buffer;
  buffer.AssignPixels(pixels);
  HDC buffer_dc = buffer.Canvas().Handle();
  if (buffer_dc == nullptr) {
    return;
  }
  BitBlt(dc, rect.left, rect.top, width, height, buffer_dc, 0, 0, SRCCOPY);
}

}  // namespace kova
