#include "skin/apply/win_skin_progress_win.h"

#include <commctrl.h>

#include "forms/graphics/dib_bitmap.h"
#include "skin/apply/skin_progress_paint.h"

namespace kova {

const ClassInfo& TSkinProgress::StaticClass() {
  static const ClassInfo info("TSkinProgress", &TSkinControl::StaticClass(), {});
  return info;
}

bool TSkinProgress::BeforeProc(TMessage& message) {
  return !PaintEntirely(message) && TSkinControl::BeforeProc(message);
}

void TSkinProgress::AfterProc(TMessage& message) {
  switch (message.Msg) {
    // The native bar draws its new position straight onto the screen on these.
    case PBM_SETPOS:
    case PBM_DELTAPOS:
    case PBM_STEPIT:
    case PBM_SETRANGE:
    case PBM_SETRANGE32:
      PaintControl(nullptr);
      break;
    default:
      TSkinControl::AfterProc(message);
      break;
  }
}

void TSkinProgress::DrawControl(HDC dc, const RECT& rect) {
  if (skin_data_ == nullptr) {
    return;
  }
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) {
    return;
  }
  PBRANGE range{};
  SendMessageW(handle_, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
  ProgressLook look;
  look.minimum = range.iLow;
  look.maximum = range.iHigh;
  look.position = static_cast<int>(SendMessageW(handle_, PBM_GETPOS, 0, 0));
  look.vertical = (GetWindowLongW(handle_, GWL_STYLE) & PBS_VERTICAL) != 0;
  TBitmap pixels(width, height);
  if (!ComposeProgress(pixels, *skin_data_, look, ParentColor())) {
    return;
  }
  TDibBitmap buffer;
  buffer.AssignPixels(pixels);
  HDC buffer_dc = buffer.Canvas().Handle();
  if (buffer_dc != nullptr) {
    BitBlt(dc, rect.left, rect.top, width, height, buffer_dc, 0, 0, SRCCOPY);
  }
}

}  // namespace kova
