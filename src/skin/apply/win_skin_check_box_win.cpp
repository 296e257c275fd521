#include "skin/apply/win_skin_check_box_win.h"

#include <algorithm>

#include "base/win/handles_win.h"
#include "forms/graphics/dib_bitmap.h"
#include "skin/apply/skin_control_paint.h"
#include "skin/apply/skin_properties.h"
#include "skin/apply/win_skin_button_win.h"
#include "skin/data/skin_system.h"
#include "skin/data/system_colors.h"

namespace kova {

const ClassInfo& TSkinCheckBox::StaticClass() {
  static const ClassInfo info("TSkinCheckBox", &TSkinControl::StaticClass(), {});
  return info;
}

const ClassInfo& TSkinRadioButton::StaticClass() {
  static const ClassInfo info("TSkinRadioButton", &TSkinCheckBox::StaticClass(), {});
  return info;
}

bool TSkinCheckBox::BeforeProc(TMessage& message) {
  return !PaintEntirely(message) && TSkinControl::BeforeProc(message);
}

void TSkinCheckBox::AfterProc(TMessage& message) {
  switch (message.Msg) {
    // The native control draws its new state straight onto the screen on these.
    case BM_SETCHECK:
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case BM_CLICK:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CAPTURECHANGED:
      PaintControl(nullptr);
      break;
    default:
      TSkinControl::AfterProc(message);
      break;
  }
}

CheckProperties ReadCheckProperties(const TObject* control) {
  CheckProperties properties;
  if (control == nullptr) {
    return properties;
  }
  if (HasProperty(control, "State")) {
    properties.state = WideToUtf8(GetProperty(control, "State"));
  }
  if (HasProperty(control, "Checked")) {
    properties.checked = WideToUtf8(GetProperty(control, "Checked"));
  }
  properties.data_aware = HasProperty(control, "DataField");
  properties.data_binding = HasProperty(control, "DataBinding");
  return properties;
}

CheckProperties TSkinCheckBox::Properties() const {
  return ReadCheckProperties(control_);
}

void TSkinCheckBox::DrawControl(HDC dc, const RECT& rect) {
  if (skin_data_ == nullptr) {
    return;
  }
  const TDataSkinButton& button = *skin_data_->Button;
  const TBitmap& image = Radio() ? button.RadioMap : button.CheckMap;
  const int frames = Radio() ? button.RadioButtonFrame : button.CheckButtonFrame;
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (image.Empty() || frames <= 0 || width <= 0 || height <= 0) {
    return;
  }
  const LONG style = GetWindowLongW(handle_, GWL_STYLE);
  const LONG ex_style = GetWindowLongW(handle_, GWL_EXSTYLE);
  const bool disabled = (style & WS_DISABLED) != 0;
  const auto check = static_cast<CheckState>(SendMessageW(handle_, BM_GETCHECK, 0, 0) & 3);
  const int frame = CheckBoxFrame(check, Properties(), disabled, frames);

  wchar_t text[512] = {};
  const int length = GetWindowTextW(handle_, text, 512);
  HFONT text_font = ControlFont(handle_, control_);
  const int box_width = image.Width() / frames;
  UINT format = DT_WORDBREAK | DT_EXPANDTABS;
  const bool right_to_left = (ex_style & (WS_EX_RTLREADING | WS_EX_LAYOUTRTL)) != 0;
  if (right_to_left) {
    format |= DT_RIGHT | DT_RTLREADING;
  }
  RECT measured{0, 0, std::max(width - box_width - 2, 1), height};
  if (length > 0) {
    const ScopedSelectObject selected(dc, text_font);
    DrawTextW(dc, text, length, &measured, format | DT_CALCRECT);
  }
  const CheckBoxLayout layout =
      PlaceCheckBox({0, 0, width, height}, box_width, image.Height(), static_cast<uint32_t>(style),
                    right_to_left, length > 0 ? measured.bottom - measured.top : 0);
  TBitmap pixels(width, height);
  ComposeCheckBox(pixels, button, Radio(), frame, layout.box, ParentColor());
  TDibBitmap buffer;
  buffer.AssignPixels(pixels);
  HDC buffer_dc = buffer.Canvas().Handle();
  if (buffer_dc == nullptr) {
    return;
  }
  const ScopedSelectObject font(buffer_dc, text_font);
  if (length > 0) {
    const TColor color = disabled ? static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW))
                         : control_ != nullptr
                             ? ResolveColor(control_->Font().Color())
                             : ResolveColor(skin_data_->Color(TShemeColor::csText));
    SetTextColor(buffer_dc, static_cast<COLORREF>(color));
    SetBkMode(buffer_dc, TRANSPARENT);
    RECT text_rect{layout.text.left, layout.text.top, layout.text.right, layout.text.bottom};
    DrawTextW(buffer_dc, text, length, &text_rect, format);
    if (GetFocus() == handle_ && IsVista) {
      InflateRect(&text_rect, 1, 1);
      DrawFocusRect(buffer_dc, &text_rect);
    }
  }
  BitBlt(dc, rect.left, rect.top, width, height, buffer_dc, 0, 0, SRCCOPY);
}

}  // namespace kova
