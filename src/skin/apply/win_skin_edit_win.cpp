#include "skin/apply/win_skin_edit_win.h"

#include "base/win/handles_win.h"
#include "skin/apply/skin_messages.h"
#include "skin/data/system_colors.h"

namespace kova {

const ClassInfo& TSkinEdit::StaticClass() {
  static const ClassInfo info("TSkinEdit", &TSkinControl::StaticClass(), {});
  return info;
}

void TSkinEdit::DrawBorder(HDC dc) const {
  if (skin_data_ == nullptr || dc == nullptr) {
    return;
  }
  RECT window{};
  GetWindowRect(handle_, &window);
  RECT client{};
  GetClientRect(handle_, &client);
  int edge = ((window.right - window.left) - (client.right - client.left)) / 2;
  if (edge == 0 && (GetWindowLongW(handle_, GWL_STYLE) & WS_BORDER) != 0) {
    edge = 1;  // the edit draws a plain border inside its client area
  }
  if (edge <= 0) {
    return;  // no border of its own
  }
  const UniqueBrush brush(CreateSolidBrush(
      static_cast<COLORREF>(ResolveColor(skin_data_->Color(TShemeColor::csButtonShadow)))));
  RECT ring{0, 0, window.right - window.left, window.bottom - window.top};
  for (int i = 0; i < edge; ++i) {
    FrameRect(dc, &ring, brush.Get());
    InflateRect(&ring, -1, -1);
  }
}

bool TSkinEdit::BeforeProc(TMessage& message) {
  if (message.Msg == kMsgPaintEditInto && message.LParam == kSkinMarker) {
    DrawBorder(reinterpret_cast<HDC>(message.WParam));
    message.Result = kSkinMarker;
    return false;
  }
  return TSkinControl::BeforeProc(message);
}

void TSkinEdit::AfterProc(TMessage& message) {
  if (message.Msg == WM_NCPAINT) {
    HDC dc = GetWindowDC(handle_);
    DrawBorder(dc);
    ReleaseDC(handle_, dc);
    return;
  }
  TSkinControl::AfterProc(message);
}

}  // namespace kova
