#include "skin/apply/win_skin_track_bar_win.h"

#include <commctrl.h>

#include <vector>

#include "forms/graphics/dib_bitmap.h"
#include "skin/apply/skin_track_bar_paint.h"
#include "skin/data/system_colors.h"

namespace kova {

namespace {

ImageRect ToImage(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}

TrackBarTicks TicksOf(LONG style) {
  if ((style & TBS_NOTICKS) != 0) {
    return TrackBarTicks::kNone;
  }
  if ((style & TBS_BOTH) != 0) {
    return TrackBarTicks::kBoth;
  }
  return (style & TBS_TOP) != 0 ? TrackBarTicks::kAbove : TrackBarTicks::kBelow;
}

}  // namespace

const ClassInfo& TSkinTrackBar::StaticClass() {
  static const ClassInfo info("TSkinTrackBar", &TSkinControl::StaticClass(), {});
  return info;
}

bool TSkinTrackBar::Vertical() const {
  return (GetWindowLongW(handle_, GWL_STYLE) & TBS_VERT) != 0;
}

bool TSkinTrackBar::HasChannel() const {
  if (skin_data_ == nullptr) {
    return false;
  }
  const TDataSkinObject* channel =
      Vertical() ? skin_data_->TrackVert.get() : skin_data_->Track.get();
  return channel != nullptr && !channel->Map.Empty();
}

bool TSkinTrackBar::OverThumb(LPARAM point) const {
  if ((GetWindowLongW(handle_, GWL_STYLE) & TBS_NOTHUMB) != 0) {
    return false;
  }
  RECT thumb{};
  SendMessageW(handle_, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  const POINT at{static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
  return PtInRect(&thumb, at) != FALSE;
}

void TSkinTrackBar::SetHot(bool hot) {
  if (hot != hot_) {
    hot_ = hot;
    InvalidateRect(handle_, nullptr, FALSE);
  }
}

bool TSkinTrackBar::BeforeProc(TMessage& message) {
  if (HasChannel() && PaintEntirely(message)) {
    return false;
  }
  if (message.Msg == WM_LBUTTONDOWN) {
    // Asked before the control moves the thumb: a press on it starts a drag.
    pressed_ = OverThumb(message.LParam);
  }
  return TSkinControl::BeforeProc(message);
}

void TSkinTrackBar::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
      if (pressed_) {
        InvalidateRect(handle_, nullptr, FALSE);
      }
      break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      if (pressed_) {
        pressed_ = false;
        InvalidateRect(handle_, nullptr, FALSE);
      }
      break;
    case WM_MOUSEMOVE: {
      SetHot(OverThumb(message.LParam));
      TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
      TrackMouseEvent(&track);
      break;
    }
    case WM_MOUSELEAVE:
      SetHot(false);
      break;
    case TBM_SETRANGE:
    case TBM_SETRANGEMIN:
    case TBM_SETRANGEMAX:
    case TBM_SETTHUMBLENGTH:
    case TBM_SETTIC:
    case TBM_CLEARTICS:
    case WM_SIZE:
      InvalidateRect(handle_, nullptr, FALSE);
      break;
    default:
      TSkinControl::AfterProc(message);
      break;
  }
}

void TSkinTrackBar::DrawControl(HDC dc, const RECT& rect) {
  if (skin_data_ == nullptr) {
    return;
  }
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) {
    return;
  }
  const LONG style = GetWindowLongW(handle_, GWL_STYLE);
  TrackBarLook look;
  look.width = width;
  look.height = height;
  look.vertical = (style & TBS_VERT) != 0;
  RECT channel{};
  SendMessageW(handle_, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  look.channel = ToImage(channel);
  if ((style & TBS_NOTHUMB) == 0) {
    RECT thumb{};
    SendMessageW(handle_, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    look.thumb = ToImage(thumb);
  }
  look.ticks = TicksOf(style);
  std::vector<int> ticks;
  if (look.ticks != TrackBarTicks::kNone) {
    // Tick values from the control, placed along the channel as its thumb is; the
    // control's own pixel positions of upright bars are not to be relied on.
    const bool lying = channel.right - channel.left > channel.bottom - channel.top;
    const bool along_x = !look.vertical || lying;
    const int start = along_x ? channel.left : channel.top;
    const int end = along_x ? channel.right : channel.bottom;
    const auto count = static_cast<int>(SendMessageW(handle_, TBM_GETNUMTICS, 0, 0));
    const auto* values = reinterpret_cast<const DWORD*>(SendMessageW(handle_, TBM_GETPTICS, 0, 0));
    std::vector<int> inner;
    for (int i = 0; values != nullptr && i + 2 < count; ++i) {
      inner.push_back(static_cast<int>(values[i]));
    }
    ticks = TrackBarTickPixels(static_cast<int>(SendMessageW(handle_, TBM_GETRANGEMIN, 0, 0)),
                               static_cast<int>(SendMessageW(handle_, TBM_GETRANGEMAX, 0, 0)),
                               inner, start, end);
  }
  look.tick_positions = ticks;
  const int frame =
      TrackBarThumbFrame((style & WS_DISABLED) == 0, pressed_, hot_, GetFocus() == handle_);
  TBitmap pixels(width, height);
  if (!ComposeTrackBar(pixels, *skin_data_, look, frame, ParentColor(),
                       ResolveColor(skin_data_->Color(TShemeColor::csText)))) {
    return;
  }
  TDibBitmap buffer;
  buffer.AssignPixels(pixels);
  if (HDC buffer_dc = buffer.Canvas().Handle()) {
    BitBlt(dc, rect.left, rect.top, width, height, buffer_dc, 0, 0, SRCCOPY);
  }
}

}  // namespace kova
