#include "skin/apply/win_skin_up_down_win.h"

#include <commctrl.h>

#include "forms/graphics/dib_bitmap.h"

namespace kova {

const ClassInfo& TSkinUpDown::StaticClass() {
  static const ClassInfo info("TSkinUpDown", &TSkinControl::StaticClass(), {});
  return info;
}

bool TSkinUpDown::Horizontal() const {
  return (GetWindowLongW(handle_, GWL_STYLE) & UDS_HORZ) != 0;
}

bool TSkinUpDown::HasImage() const {
  if (skin_data_ == nullptr) {
    return false;
  }
  const TDataSkinBorder* object =
      Horizontal() ? skin_data_->UpDownHorz.get() : skin_data_->UpDownVert.get();
  return object != nullptr && !object->Map.Empty();
}

UpDownPart TSkinUpDown::PartAt(LPARAM point) const {
  RECT client{};
  GetClientRect(handle_, &client);
  return UpDownPartAt(client.right, client.bottom, Horizontal(), static_cast<short>(LOWORD(point)),
                      static_cast<short>(HIWORD(point)));
}

void TSkinUpDown::SetParts(UpDownPart pressed, UpDownPart hot) {
  if (pressed != pressed_ || hot != hot_) {
    pressed_ = pressed;
    hot_ = hot;
    InvalidateRect(handle_, nullptr, FALSE);
  }
}

bool TSkinUpDown::BeforeProc(TMessage& message) {
  if (HasImage() && PaintEntirely(message)) {
    return false;
  }
  return TSkinControl::BeforeProc(message);
}

void TSkinUpDown::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The control has taken the press for the button under it.
      if (IsWindowEnabled(handle_)) {
        SetParts(PartAt(message.LParam), hot_);
      }
      break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      SetParts(UpDownPart::kNone, hot_);
      break;
    case WM_MOUSEMOVE: {
      SetParts(pressed_, PartAt(message.LParam));
      TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
      TrackMouseEvent(&track);
      break;
    }
    case WM_MOUSELEAVE:
      SetParts(pressed_, UpDownPart::kNone);
      break;
    default:
      TSkinControl::AfterProc(message);
      break;
  }
}

void TSkinUpDown::DrawControl(HDC dc, const RECT& rect) {
  if (skin_data_ == nullptr) {
    return;
  }
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) {
    return;
  }
  TBitmap pixels(width, height);
  if (!ComposeUpDown(pixels, *skin_data_, Horizontal(), pressed_, hot_,
                     IsWindowEnabled(handle_) != FALSE, ParentColor())) {
    return;
  }
  TDibBitmap buffer;
  buffer.AssignPixels(pixels);
  if (HDC buffer_dc = buffer.Canvas().Handle()) {
    BitBlt(dc, rect.left, rect.top, width, height, buffer_dc, 0, 0, SRCCOPY);
  }
}

}  // namespace kova
