#include "skin/apply/win_skin_button_win.h"

#include <windowsx.h>

#include "base/win/handles_win.h"
#include "forms/graphics/dib_bitmap.h"
#include "skin/apply/skin_control_paint.h"
#include "skin/apply/skin_properties.h"
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
      // The framework button hears of the press; the native button never does. Buttons
      // that handle presses themselves (single mode) are only painted.
      if (!is_hwnd_ && mode_ != 1 && control_ != nullptr && control_->OnMouseDown) {
        control_->OnMouseDown(control_, GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
      }
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

bool TSkinButton::WindowEnabled() const {
  if (graphic_control_ != nullptr) {
    return graphic_control_->Enabled();
  }
  return (GetWindowLongW(handle_, GWL_STYLE) & WS_DISABLED) == 0;
}

void TSkinButton::React(PushButtonEvent event) {
  const PushButtonReaction reaction = ApplyPushButtonEvent(button_state_, event, WindowEnabled());
  if (reaction.track_leave && handle_ != nullptr) {
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

PushButtonLook TSkinButton::Look() const {
  PushButtonLook look;
  look.enabled = WindowEnabled();
  look.focused = handle_ != nullptr && GetFocus() == handle_;
  if (control_ != nullptr && HasProperty(control_, "Default")) {
    look.is_default = GetProperty(control_, "Default") == u"True";
  } else if (handle_ != nullptr) {
    look.is_default = (GetWindowLongW(handle_, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  }
  return look;
}

WideString TSkinButton::CaptionText() const {
  if (control_ != nullptr) {
    return GetStringProp(control_, "Caption");
  }
  if (graphic_control_ != nullptr) {
    return GetStringProp(graphic_control_, "Caption");
  }
  wchar_t text[512] = {};
  GetWindowTextW(handle_, text, 512);
  return WideFromWin(text);
}

HFONT TSkinButton::CaptionFont() const {
  if (graphic_control_ != nullptr) {
    return graphic_control_->Font().Handle();
  }
  return ControlFont(handle_, control_);
}

bool TSkinButton::MultiLine() const {
  const TObject* object = control_ != nullptr ? static_cast<const TObject*>(control_)
                                              : static_cast<const TObject*>(graphic_control_);
  if (object != nullptr && HasProperty(object, "MultiLine")) {
    return GetProperty(object, "MultiLine") == u"True";
  }
  return handle_ != nullptr && (GetWindowLongW(handle_, GWL_STYLE) & BS_MULTILINE) != 0;
}

void TSkinButton::DrawFace(HDC dc, const RECT& face, int, const PushButtonLook&) {
  const WideString caption = CaptionText();
  if (caption.empty()) {
    return;
  }
  RECT text_rect = face;
  DrawTextW(dc, AsWin(caption), static_cast<int>(caption.size()), &text_rect,
            DT_CENTER | (MultiLine() ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER));
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
  const PushButtonLook look = Look();
  const int frame = PushButtonFrame(button_state_, look);

  TBitmap pixels(width, height);
  TBitmap parent_image;
  if (transparent_ && handle_ != nullptr) {
    TDibBitmap behind(width, height);
    RECT in_parent = rect_;
    MapWindowPoints(nullptr, GetParent(handle_), reinterpret_cast<POINT*>(&in_parent), 2);
    DrawParentImage(GetParent(handle_), behind.Canvas().Handle(), in_parent);
    parent_image = behind.ToPixels();
  } else if (graphic_control_ != nullptr &&
             PushButtonTransparent(static_cast<int32_t>(graphic_control_->Tag()),
                                   skin_data_->Options())) {
    // A windowless button is painted over its parent's image, already on `dc`.
    TDibBitmap behind(width, height);
    BitBlt(behind.Canvas().Handle(), 0, 0, width, height, dc, rect.left, rect.top, SRCCOPY);
    parent_image = behind.ToPixels();
  }
  ComposePushButton(pixels, *skin_data_->Button, frame,
                    parent_image.Empty() ? nullptr : &parent_image, ParentColor());
  TDibBitmap buffer;
  buffer.AssignPixels(pixels);
  HDC buffer_dc = buffer.Canvas().Handle();
  if (buffer_dc == nullptr) {
    return;
  }
  const ScopedSelectObject font(buffer_dc, CaptionFont());
  const TColor color = PushButtonTextColor(
      *skin_data_->Button, frame, ResolveColor(skin_data_->Color(TShemeColor::csButtonText)),
      static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW)));
  SetTextColor(buffer_dc, static_cast<COLORREF>(color));
  SetBkMode(buffer_dc, TRANSPARENT);
  DrawFace(buffer_dc, RECT{0, 0, width, height}, frame, look);
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
