#include "skin/apply/win_skin_header_win.h"

#include <commctrl.h>

#include <vector>

#include "base/win/handles_win.h"
#include "forms/graphics/dib_bitmap.h"
#include "skin/apply/combo_header_paint.h"
#include "skin/apply/push_button_state.h"
#include "skin/apply/win_skin_button_win.h"
#include "skin/data/skin_system_win.h"
#include "skin/data/system_colors.h"

namespace kova {

namespace {

constexpr int kTextMargin = 6;
constexpr int kSortMarkSize = 4;

POINT PointOf(LPARAM lparam) {
  return {static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
}

// A small triangle pointing up or down at the right of `rect`.
void DrawSortMark(HDC dc, const RECT& rect, bool up, COLORREF color) {
  const int cx = rect.right - kTextMargin - kSortMarkSize;
  const int cy = (rect.top + rect.bottom) / 2;
  const int tip = up ? cy - kSortMarkSize / 2 : cy + kSortMarkSize / 2;
  const int base = up ? cy + kSortMarkSize / 2 : cy - kSortMarkSize / 2;
  const POINT points[3] = {{cx - kSortMarkSize, base}, {cx + kSortMarkSize, base}, {cx, tip}};
  const UniqueBrush brush(CreateSolidBrush(color));
  const UniquePen pen(CreatePen(PS_SOLID, 1, color));
  const ScopedSelectObject with_brush(dc, brush.Get());
  const ScopedSelectObject with_pen(dc, pen.Get());
  Polygon(dc, points, 3);
}

}  // namespace

const ClassInfo& TSkinHeader::StaticClass() {
  static const ClassInfo info("TSkinHeader", &TSkinControl::StaticClass(), {});
  return info;
}

bool TSkinHeader::SkinPaints() const {
  return skin_data_ != nullptr && skin_data_->Headerbar && !skin_data_->Headerbar->Map.Empty();
}

bool TSkinHeader::BeforeProc(TMessage& message) {
  if (SkinPaints()) {
    if (message.Msg == WM_PRINTCLIENT && message.WParam != 0) {
      RECT client{};
      GetClientRect(handle_, &client);
      DrawControl(reinterpret_cast<HDC>(message.WParam), client);
      return false;
    }
    if (PaintEntirely(message)) {
      return false;
    }
  }
  return TSkinControl::BeforeProc(message);
}

void TSkinHeader::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEMOVE:
      SetItems(ItemAt(PointOf(message.LParam)), pressed_item_);
      DoTrackMouse(handle_);
      break;
    case WM_MOUSELEAVE:
      SetItems(-1, -1);
      break;
    case WM_LBUTTONDOWN:
      // Only sections that act as buttons show a press; a drag on a divider resizes.
      if ((GetWindowLongW(handle_, GWL_STYLE) & HDS_BUTTONS) != 0) {
        SetItems(hot_item_, ItemAt(PointOf(message.LParam)));
      }
      break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      SetItems(hot_item_, -1);
      break;
    default:
      TSkinControl::AfterProc(message);
      break;
  }
}

int TSkinHeader::ItemAt(POINT point) const {
  HDHITTESTINFO hit{};
  hit.pt = point;
  SendMessageW(handle_, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  return (hit.flags & HHT_ONHEADER) != 0 ? hit.iItem : -1;
}

void TSkinHeader::SetItems(int hot, int pressed) {
  if (hot == hot_item_ && pressed == pressed_item_) {
    return;
  }
  hot_item_ = hot;
  pressed_item_ = pressed;
  if (SkinPaints()) {
    RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
}

void TSkinHeader::DrawControl(HDC dc, const RECT& rect) {
  if (!SkinPaints() || dc == nullptr) {
    return;
  }
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) {
    return;
  }
  const bool enabled = IsWindowEnabled(handle_) != FALSE;
  const int count = static_cast<int>(SendMessageW(handle_, HDM_GETITEMCOUNT, 0, 0));
  std::vector<HeaderSection> sections;
  for (int i = 0; i < count; ++i) {
    RECT item{};
    if (SendMessageW(handle_, HDM_GETITEMRECT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item)) == 0) {
      continue;
    }
    const PushButtonState state{i == hot_item_, i == pressed_item_};
    sections.push_back({{item.left, 0, item.right, height},
                        PushButtonFrame(state, PushButtonLook{enabled, false, false})});
  }
  TBitmap pixels(width, height);
  if (!ComposeHeader(pixels, *skin_data_, sections)) {
    return;
  }
  TDibBitmap buffer;
  buffer.AssignPixels(pixels);
  HDC buffer_dc = buffer.Canvas().Handle();
  if (buffer_dc == nullptr) {
    return;
  }
  DrawTexts(buffer_dc, count);
  BitBlt(dc, rect.left, rect.top, width, height, buffer_dc, 0, 0, SRCCOPY);
}

void TSkinHeader::DrawTexts(HDC dc, int count) const {
  const bool enabled = IsWindowEnabled(handle_) != FALSE;
  const COLORREF color =
      enabled ? static_cast<COLORREF>(ResolveColor(skin_data_->Color(TShemeColor::csButtonText)))
              : GetSysColor(COLOR_BTNSHADOW);
  const ScopedSelectObject font(dc, ControlFont(handle_, control_));
  SetTextColor(dc, color);
  SetBkMode(dc, TRANSPARENT);
  for (int i = 0; i < count; ++i) {
    wchar_t text[260] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_FORMAT;
    item.pszText = text;
    item.cchTextMax = 260;
    RECT place{};
    if (SendMessageW(handle_, HDM_GETITEMW, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item)) == 0 ||
        SendMessageW(handle_, HDM_GETITEMRECT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&place)) == 0) {
      continue;
    }
    const bool sorted = (item.fmt & (HDF_SORTUP | HDF_SORTDOWN)) != 0;
    if (sorted) {
      DrawSortMark(dc, place, (item.fmt & HDF_SORTUP) != 0, color);
    }
    RECT text_rect = place;
    InflateRect(&text_rect, -kTextMargin, 0);
    if (sorted) {
      text_rect.right -= 3 * kSortMarkSize;
    }
    if (i == pressed_item_) {
      OffsetRect(&text_rect, 1, 1);
    }
    UINT align = DT_LEFT;
    switch (item.fmt & HDF_JUSTIFYMASK) {
      case HDF_RIGHT:
        align = DT_RIGHT;
        break;
      case HDF_CENTER:
        align = DT_CENTER;
        break;
      default:
        break;
    }
    DrawTextW(dc, text, -1, &text_rect,
              align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
  }
}

}  // namespace kova
