#include "skin/apply/win_skin_control_win.h"

#include "skin/apply/skin_messages.h"
#include "skin/data/system_colors.h"
#include "skin/apply/win_skin_controls_win.h"

namespace kova {

namespace {

// The object of a plain window, and the procedure it replaced (kept on the window too,
// so a procedure chained after ours still reaches the window's own).
constexpr wchar_t kObjectProperty[] = L"KOVASkinControl";
constexpr wchar_t kPrevProcProperty[] = L"KOVASkinControlPrev";
// The framework's enabled-changed and mouse-leave notifications.
constexpr UINT kCmEnabledChanged = 0xB00C;
constexpr UINT kCmMouseLeave = 0xB014;

// Paints inside BeginPaint/EndPaint.
class ScopedPaint {
 public:
  explicit ScopedPaint(HWND wnd) : wnd_(wnd), dc_(BeginPaint(wnd, &paint_)) {}
  ~ScopedPaint() { EndPaint(wnd_, &paint_); }
  ScopedPaint(const ScopedPaint&) = delete;
  ScopedPaint& operator=(const ScopedPaint&) = delete;
  HDC dc() const { return dc_; }

 private:
  HWND wnd_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

}  // namespace

const ClassInfo& TSkinControl::StaticClass() {
  static const ClassInfo info("TSkinControl", &TComponent::StaticClass(), {});
  return info;
}

TSkinControl::TSkinControl(TComponent* owner) : TComponent(owner) {}

TSkinControl::~TSkinControl() {
  Restore();
  if (owner_list_ != nullptr) {
    owner_list_->Forget(this);
  }
}

void TSkinControl::Init(TSkinControls* list, TWinControl* control, TSkinData* data, TCanvas* canvas,
                        bool set_color) {
  if (initialized_ || control == nullptr) {
    return;
  }
  control_ = control;
  skin_data_ = data;
  canvas_ = canvas;
  set_color_ = set_color;
  handle_ = control->Handle();
  unicode_ = handle_ != nullptr && IsWindowUnicode(handle_) != FALSE;
  old_window_proc_ = control->WindowProc;
  control->WindowProc = [this](TMessage& message) { NewWndProc(message); };
  subclassed_ = true;
  owner_list_ = list;
  if (set_color_ && data != nullptr) {
    saved_color_ = control->Color();
    control->SetColor(data->Color(TShemeColor::csButtonFace));
  }
  initialized_ = true;
  state_ = SkinControlState::kSkinned;
  Invalidate();
}

void TSkinControl::Inithwnd(HWND wnd, TSkinData* data, TCanvas* canvas, TSkinControls* list) {
  if (initialized_ || wnd == nullptr) {
    return;
  }
  handle_ = wnd;
  skin_data_ = data;
  canvas_ = canvas;
  is_hwnd_ = true;
  mode_ = 0;
  owner_list_ = list;
  wchar_t name[256] = {};
  GetClassNameW(wnd, name, 256);
  class_name_ = WideFromWin(name);
  unicode_ = IsWindowUnicode(wnd) != FALSE;
  SetPropW(wnd, kObjectProperty, this);
  prev_wnd_proc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ObjectWindowProc)));
  SetPropW(wnd, kPrevProcProperty, reinterpret_cast<HANDLE>(prev_wnd_proc_));
  subclassed_ = true;
  initialized_ = true;
  state_ = SkinControlState::kSkinned;
  Invalidate();
}

void TSkinControl::InitGraphic(TSkinControls* list, TGraphicControl* control, TSkinData* data,
                               TCanvas* canvas) {
  if (initialized_ || control == nullptr) {
    return;
  }
  graphic_control_ = control;
  skin_data_ = data;
  canvas_ = canvas;
  old_window_proc_ = control->WindowProc;
  control->WindowProc = [this](TMessage& message) { NewWndProc(message); };
  control->FreeNotification(this);
  subclassed_ = true;
  owner_list_ = list;
  initialized_ = true;
  state_ = SkinControlState::kSkinned;
  Invalidate();
}

void TSkinControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component != nullptr && component == graphic_control_) {
    graphic_control_ = nullptr;
    subclassed_ = false;
    enabled_ = false;
    state_ = SkinControlState::kDestroyed;
  }
}

void TSkinControl::Unsubclass() {
  if (set_color_ && control_ != nullptr) {
    control_->SetColor(saved_color_);
    set_color_ = false;
  }
}

void TSkinControl::Restore() {
  if (!subclassed_) {
    return;
  }
  subclassed_ = false;
  if (graphic_control_ != nullptr) {
    graphic_control_->WindowProc = old_window_proc_;
    graphic_control_->RemoveFreeNotification(this);
    graphic_control_->Invalidate();
    return;
  }
  if (!is_hwnd_) {
    if (control_ != nullptr && state_ != SkinControlState::kDestroyed) {
      control_->WindowProc = old_window_proc_;
    }
    return;
  }
  if (!IsWindow(handle_)) {
    return;
  }
  // Someone chained a procedure after ours: leave the chain, which then forwards
  // through the kept previous procedure.
  if (GetWindowLongPtrW(handle_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&ObjectWindowProc)) {
    SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(prev_wnd_proc_));
    RemovePropW(handle_, kPrevProcProperty);
  }
  RemovePropW(handle_, kObjectProperty);
}

LRESULT CALLBACK TSkinControl::ObjectWindowProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* self = static_cast<TSkinControl*>(GetPropW(wnd, kObjectProperty));
  if (self == nullptr) {
    auto prev = reinterpret_cast<WNDPROC>(GetPropW(wnd, kPrevProcProperty));
    return prev != nullptr ? CallWindowProcW(prev, wnd, msg, wparam, lparam)
                           : DefWindowProcW(wnd, msg, wparam, lparam);
  }
  TMessage message{msg, wparam, lparam, 0};
  try {
    self->NewWndProc(message);
  } catch (...) {
    // Nothing unwinds through the system: the window keeps working unskinned.
    message.Result = CallWindowProcW(self->prev_wnd_proc_, wnd, msg, wparam, lparam);
  }
  return message.Result;
}

void TSkinControl::NewWndProc(TMessage& message) {
  in_message_ = false;
  if (message.Msg == kMsgEnableControlSkin) {
    enabled_ = message.WParam > 0;
    if (enabled_) {
      Invalidate();
    }
    return;
  }
  if (!enabled_) {
    Default(message);
    return;
  }
  if (BeforeProc(message)) {
    Default(message);
    AfterProc(message);
  }
}

void TSkinControl::Default(TMessage& message) {
  if (is_hwnd_) {
    message.Result =
        CallWindowProcW(prev_wnd_proc_, handle_, message.Msg, message.WParam, message.LParam);
  } else if (old_window_proc_) {
    old_window_proc_(message);
  } else if (control_ != nullptr) {
    control_->WndProc(message);  // no method was set: the control's own one
  } else if (graphic_control_ != nullptr) {
    graphic_control_->WndProc(message);
  }
}

bool TSkinControl::BeforeProc(TMessage& message) {
  switch (message.Msg) {
    case WM_NCDESTROY:
      Default(message);
      enabled_ = false;
      Unsubclass();
      Restore();
      state_ = SkinControlState::kDestroyed;
      return false;
    case kMsgIsSkinned:
      message.Result = 1;
      return false;
    default:
      return true;
  }
}

void TSkinControl::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      PaintControl(reinterpret_cast<HDC>(message.WParam));
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case kCmEnabledChanged:
      Invalidate();
      break;
    default:
      break;
  }
}

void TSkinControl::PaintControl(HDC dc) {
  if (graphic_control_ != nullptr) {
    if (dc != nullptr) {
      DrawControl(dc, RECT{0, 0, graphic_control_->Width(), graphic_control_->Height()});
    } else {
      Invalidate();
    }
    return;
  }
  if (handle_ == nullptr) {
    return;
  }
  GetWindowRect(handle_, &rect_);
  const RECT rect{0, 0, rect_.right - rect_.left, rect_.bottom - rect_.top};
  if (dc != nullptr) {
    DrawControl(dc, rect);
    return;
  }
  const ScopedGetDC window_dc(handle_);
  if (window_dc.Get() != nullptr) {
    DrawControl(window_dc.Get(), rect);
  }
}

void TSkinControl::DrawControl(HDC, const RECT&) {}

void TSkinControl::WMPaint(TMessage& message) {
  if (graphic_control_ != nullptr) {
    // A windowless control paints on its parent's device context, moved to its corner.
    if (message.WParam != 0) {
      DrawControl(reinterpret_cast<HDC>(message.WParam),
                  RECT{0, 0, graphic_control_->Width(), graphic_control_->Height()});
    }
    message.Result = 0;
    return;
  }
  GetWindowRect(handle_, &rect_);
  const RECT rect{0, 0, rect_.right - rect_.left, rect_.bottom - rect_.top};
  if (message.WParam != 0) {
    DrawControl(reinterpret_cast<HDC>(message.WParam), rect);
  } else {
    const ScopedPaint paint(handle_);
    if (paint.dc() != nullptr) {
      DrawControl(paint.dc(), rect);
    }
  }
  message.Result = 0;
}

void TSkinControl::WMERASEBKGND(TMessage& message) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  if (dc != nullptr) {
    RECT client{};
    GetClientRect(handle_, &client);
    const UniqueBrush brush(CreateSolidBrush(static_cast<COLORREF>(ParentColor())));
    ::FillRect(dc, &client, brush.Get());
  }
  message.Result = 1;
}

TColor TSkinControl::ParentColor() const {
  if (control_ != nullptr && control_->Parent() != nullptr) {
    return ResolveColor(control_->Parent()->Color());
  }
  if (graphic_control_ != nullptr && graphic_control_->Parent() != nullptr) {
    return ResolveColor(graphic_control_->Parent()->Color());
  }
  return skin_data_ != nullptr ? ResolveColor(skin_data_->Color(TShemeColor::csButtonFace))
                               : 0xC0C0C0;
}

void TSkinControl::SkinChange() {
  if (set_color_ && control_ != nullptr && skin_data_ != nullptr) {
    control_->SetColor(skin_data_->Color(TShemeColor::csButtonFace));
  }
  Invalidate();
}

void TSkinControl::Invalidate() {
  if (graphic_control_ != nullptr) {
    graphic_control_->Repaint();
    return;
  }
  if (handle_ != nullptr) {
    RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  }
}

void TSkinControl::MouseLeave() {
  if (handle_ != nullptr) {
    SendMessageW(handle_, kCmMouseLeave, 0, 0);
  }
}

bool TSkinControl::PaintEntirely(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      WMPaint(message);
      return true;
    case WM_ERASEBKGND:
      message.Result = 1;
      return true;
    default:
      return false;
  }
}

}  // namespace kova
