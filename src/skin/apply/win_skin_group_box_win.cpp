#include "skin/apply/win_skin_group_box_win.h"

#include "base/win/handles_win.h"
#include "forms/graphics/dib_bitmap.h"
#include "skin/apply/skin_properties.h"
#include "skin/apply/win_skin_button_win.h"
#include "skin/data/system_colors.h"

namespace kova {

namespace {

void Line(HDC dc, COLORREF color, POINT from, POINT to) {
  const UniquePen pen(CreatePen(PS_SOLID, 1, color));
  const ScopedSelectObject with_pen(dc, pen.Get());
  MoveToEx(dc, from.x, from.y, nullptr);
  LineTo(dc, to.x, to.y);
}

// An etched rectangle: the shadow line, and the highlight one pixel inside it.
void EtchedFrame(HDC dc, const RECT& r, COLORREF shadow, COLORREF light) {
  const int right = r.right - 2;
  const int bottom = r.bottom - 2;
  Line(dc, shadow, {r.left, r.top}, {right, r.top});
  Line(dc, shadow, {r.left, r.top}, {r.left, bottom});
  Line(dc, shadow, {right, r.top}, {right, bottom + 1});
  Line(dc, shadow, {r.left, bottom}, {right, bottom});
  Line(dc, light, {r.left + 1, r.top + 1}, {right - 1, r.top + 1});
  Line(dc, light, {r.left + 1, r.top + 1}, {r.left + 1, bottom - 1});
  Line(dc, light, {right + 1, r.top}, {right + 1, bottom + 2});
  Line(dc, light, {r.left, bottom + 1}, {right + 1, bottom + 1});
}

}  // namespace

const ClassInfo& TSkinGroupBox::StaticClass() {
  static const ClassInfo info("TSkinGroupBox", &TSkinControl::StaticClass(), {});
  return info;
}

bool TSkinGroupBox::BeforeProc(TMessage& message) {
  return !PaintEntirely(message) && TSkinControl::BeforeProc(message);
}

void TSkinGroupBox::DrawControl(HDC dc, const RECT& rect) {
  if (skin_data_ == nullptr) {
    return;
  }
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) {
    return;
  }
  TDibBitmap buffer(width, height);
  HDC buffer_dc = buffer.Canvas().Handle();
  if (buffer_dc == nullptr) {
    return;
  }
  const auto color = [this](TShemeColor index) {
    return static_cast<COLORREF>(ResolveColor(skin_data_->Color(index)));
  };
  const COLORREF face = color(TShemeColor::csButtonFace);
  {
    const UniqueBrush brush(CreateSolidBrush(face));
    const RECT all{0, 0, width, height};
    FillRect(buffer_dc, &all, brush.Get());
  }
  const ScopedSelectObject font(buffer_dc, ControlFont(handle_, control_));
  const WideString caption =
      control_ != nullptr ? GetStringProp(control_, "Caption") : WideString();
  TEXTMETRICW metrics{};
  GetTextMetricsW(buffer_dc, &metrics);
  const int text_height = metrics.tmHeight;
  EtchedFrame(buffer_dc, RECT{0, text_height / 2, width, height},
              color(TShemeColor::csButtonShadow), color(TShemeColor::csButtonHilight));
  if (!caption.empty()) {
    RECT text{kCaptionIndent, 0, width - kCaptionIndent, text_height};
    DrawTextW(buffer_dc, AsWin(caption), static_cast<int>(caption.size()), &text,
              DT_SINGLELINE | DT_CALCRECT);
    text.right = std::min<LONG>(text.right + 4, width - kCaptionIndent);
    const UniqueBrush brush(CreateSolidBrush(face));
    FillRect(buffer_dc, &text, brush.Get());  // the gap in the frame's top line
    const bool enabled = (GetWindowLongW(handle_, GWL_STYLE) & WS_DISABLED) == 0;
    SetTextColor(buffer_dc, enabled ? color(TShemeColor::csText)
                                    : static_cast<COLORREF>(GetSysColor(COLOR_BTNSHADOW)));
    SetBkMode(buffer_dc, TRANSPARENT);
    text.left += 2;
    DrawTextW(buffer_dc, AsWin(caption), static_cast<int>(caption.size()), &text, DT_SINGLELINE);
  }
  BitBlt(dc, rect.left, rect.top, width, height, buffer_dc, 0, 0, SRCCOPY);
}

}  // namespace kova
