#include "skin/apply/win_skin_button_win.h"

#include "base/win/handles_win.h"
#include "forms/controls/stdctrls.h"
#include "forms/graphics/dib_bitmap.h"
#include "skin/apply/skin_control_paint.h"
#include "skin/data/system_colors.h"

namespace kova {

namespace {

// The framework's notifications of a changed caption and font.
constexpr UINT kCmTextChanged = 0xB007;
constexpr UINT kCmFontChanged = 0xB005;

}  // namespace

const ClassInfo& TSkinButton::StaticClass() {
  static const ClassInfo info("TSkinButton", &TSkinControl::StaticClass(), {});
  return info;
}

void TSkinButton::Init(TSkinControls* list, TWinControl* control, TSkinData* data, TCanvas* canvas,
                       bool set_color) {
  if (control != nullptr && data != nullptr) {
    transparent_ = PushButtonTransparent(static_cast<int32_t>(control->Tag()), data->Options());
    if (PushButtonSingleMode(control->ClassName())) {
      SetMode(1);
    }
  }
  TSkinControl::Init(list, control, data, canvas, set_color);
}

bool TSkinButton::BeforeProc(TMessage& message) {
  if (PaintEntirely(message)) {
    return false;
  }
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (GetFocus() != handle_) {
        SetFocus(handle_);
      }
      React(PushButtonEvent::kLeftDown);
      message.Result = 0;
      return false;
    case WM_TIMER:
      KillTimer(handle_, 1);
      message.Result = 0;
      return false;
    default:
      return TSkinControl::BeforeProc(message);
  }
}

void TSkinButton::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEMOVE:
      React(PushButtonEvent::kMouseMove);
      break;
    case WM_MOUSELEAVE:
      React(PushButtonEvent::kMouseLeave);
      break;
    case WM_KEYDOWN:
      if (message.WParam == VK_SPACE) {
        React(PushButtonEvent::kSpaceDown);
      }
      break;
    case WM_KEYUP:
      if (message.WParam == VK_SPACE) {
        React(PushButtonEvent::kSpaceUp);
      }
      break;
    case WM_LBUTTONUP:
      React(PushButtonEvent::kLeftUp);
      break;
    case kCmFontChanged:
    case kCmTextChanged:
      Invalidate();
      break;
    default:
      TSkinControl::AfterProc(message);
      break;
  }
}

void TSkinButton::React(PushButtonEvent event) {
  const bool enabled = (GetWindowLongW(handle_, GWL_STYLE) & WS_DISABLED) == 0;
  const PushButtonReaction reaction = ApplyPushButtonEvent(button_state_, event, enabled);
  if (reaction.track_leave) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
    TrackMouseEvent(&track);
  }
  if (reaction.repaint) {
    Invalidate();
  }
  if (reaction.click) {
    ClickButton();
  }
}

void TSkinButton::ClickButton() {
  if (!is_hwnd_ && control_ != nullptr) {
    control_->Click();
    return;
  }
  const bool framework_class = _wcsicmp(AsWin(class_name_), L"tbutton") == 0;
  const WPARAM id = framework_class ? 0 : static_cast<WPARAM>(GetDlgCtrlID(handle_)) & 0xFFFF;
  PostMessageW(GetParent(handle_), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(handle_));
}

bool TSkinButton::IsDefault() const {
  if (const auto* button = dynamic_cast<const TButton*>(control_)) {
    return button->Default();
  }
  return (GetWindowLongW(handle_, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

void TSkinButton::DrawControl(HDC dc, const RECT& rect) {
  if (skin_data_ == nullptr || skin_data_->Button->Map.Empty()) {
    return;
  }
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) {
    return;
  }
  const LONG style = GetWindowLongW(handle_, GWL_STYLE);
  const PushButtonLook look{(style & WS_DISABLED) == 0, GetFocus() == handle_, IsDefault()};
  const int frame = PushButtonFrame(button_state_, look);

  TBitmap pixels(width, height);
  TBitmap parent_image;
  if (transparent_) {
    TDibBitmap behind(width, height);
    RECT in_parent = rect_;
    MapWindowPoints(nullptr, GetParent(handle_), reinterpret_cast<POINT*>(&in_parent), 2);
    DrawParentImage(GetParent(handle_), behind.Canvas().Handle(), in_parent);
    parent_image = behind.ToPixels();
  }
  ComposePushButton(pixels, *skin_data_->Button, frame, transparent_ ? &parent_image : nullptr,
                    ParentColor());
  TDibBitmap buffer;
  buffer.AssignPixels(pixels);
  HDC buffer_dc = buffer.Canvas().Handle();
  if (buffer_dc == nullptr) {
    return;
  }
  wchar_t text[512] = {};
  const int length = GetWindowTextW(handle_, text, 512);
  if (length > 0) {
    const ScopedSelectObject font(buffer_dc, ControlFont(handle_, control_));
    const TColor color = PushButtonTextColor(
        *skin_data_->Button, frame, ResolveColor(skin_data_->Color(TShemeColor::csButtonText)),
        static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW)));
    SetTextColor(buffer_dc, static_cast<COLORREF>(color));
    SetBkMode(buffer_dc, TRANSPARENT);
    RECT text_rect{0, 0, width, height};
    const bool multi_line = (style & BS_MULTILINE) != 0;
    DrawTextW(buffer_dc, text, length, &text_rect,
              DT_CENTER | (multi_line ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER));
  }
  BitBlt(dc, rect.left, rect.top, width, height, buffer_dc, 0, 0, SRCCOPY);
}

void DrawParentImage(HWND parent, HDC dc, const RECT& child_rect) {
  if (parent == nullptr || dc == nullptr) {
    return;
  }
  POINT previous{};
  SetViewportOrgEx(dc, -child_rect.left, -child_rect.top, &previous);
  SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

HFONT ControlFont(HWND wnd, TWinControl* control) {
  if (control != nullptr) {
    return control->Font().Handle();
  }
  auto font = reinterpret_cast<HFONT>(SendMessageW(wnd, WM_GETFONT, 0, 0));
  return font != nullptr ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace kova
