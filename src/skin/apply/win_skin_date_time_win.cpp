#include "skin/apply/win_skin_date_time_win.h"

#include <commctrl.h>

#include "forms/graphics/dib_bitmap.h"
#include "skin/apply/push_button_state.h"
#include "skin/apply/skin_control_draw.h"
#include "skin/data/system_colors.h"

namespace kova {

namespace {

constexpr wchar_t kArrowButtonClass[] = L"KOVASkinArrowButton";

// The button's class lives as long as the module.
const wchar_t* ArrowButtonClass() {
  static const bool registered = [] {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = DefWindowProcW;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.lpszClassName = kArrowButtonClass;
    return RegisterClassW(&window_class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered ? kArrowButtonClass : nullptr;
}

const TDataSkinObject* ArrowObject(const TSkinData* data) {
  if (data == nullptr || !data->ComboxArrow || data->ComboxArrow->Map.Empty()) {
    return nullptr;
  }
  return data->ComboxArrow.get();
}

}  // namespace

RECT DateTimeButtonRect(HWND picker) {
  DATETIMEPICKERINFO info{};
  info.cbSize = sizeof(info);
  SendMessageW(picker, DTM_GETDATETIMEPICKERINFO, 0, reinterpret_cast<LPARAM>(&info));
  if (info.rcButton.right > info.rcButton.left && info.rcButton.bottom > info.rcButton.top) {
    return info.rcButton;
  }
  // A picker that does not tell keeps its button at its right end, a scroll arrow wide.
  RECT client{};
  GetClientRect(picker, &client);
  return {client.right - GetSystemMetrics(SM_CXVSCROLL), 0, client.right, client.bottom};
}

TArrowButton::TArrowButton(HWND picker, TSkinData* data) : picker_(picker), data_(data) {
  const wchar_t* window_class = ArrowButtonClass();
  if (window_class == nullptr) {
    return;
  }
  // The picker paints its own button under ours: keep its strokes off the child.
  SetWindowLongW(picker, GWL_STYLE, GetWindowLongW(picker, GWL_STYLE) | WS_CLIPCHILDREN);
  window_.Reset(CreateWindowExW(0, window_class, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                                picker, nullptr, GetModuleHandleW(nullptr), nullptr));
  if (!window_) {
    return;
  }
  SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(window_.Get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc));
  SetPosition();
}

void TArrowButton::SetPosition() {
  if (!window_) {
    return;
  }
  const RECT button = DateTimeButtonRect(picker_);
  SetWindowPos(window_.Get(), HWND_TOP, button.left, button.top, button.right - button.left,
               button.bottom - button.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  Repaint();
}

void TArrowButton::Repaint() {
  if (window_) {
    RedrawWindow(window_.Get(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
}

int TArrowButton::Frame() const {
  if (!IsWindowEnabled(picker_)) {
    return kButtonFrameDisabled;
  }
  if (pressed_) {
    return kButtonFramePressed;
  }
  return hot_ ? kButtonFrameHot : kButtonFrameNormal;
}

LRESULT CALLBACK TArrowButton::WindowProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<TArrowButton*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
  if (self == nullptr) {
    return DefWindowProcW(wnd, msg, wparam, lparam);
  }
  try {
    return self->Dispatch(msg, wparam, lparam);
  } catch (...) {
    return DefWindowProcW(wnd, msg, wparam, lparam);
  }
}

void TArrowButton::Forward(UINT msg, WPARAM wparam, LPARAM lparam) {
  POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
  MapWindowPoints(window_.Get(), picker_, &at, 1);
  SendMessageW(picker_, msg, wparam, MAKELPARAM(at.x, at.y));
}

LRESULT TArrowButton::Dispatch(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(window_.Get(), &paint);
      if (dc != nullptr) {
        Paint(dc);
      }
      EndPaint(window_.Get(), &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wparam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEMOVE: {
      if (!hot_) {
        hot_ = true;
        Repaint();
      }
      TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window_.Get(), 0};
      TrackMouseEvent(&track);
      return 0;
    }
    case WM_MOUSELEAVE:
      hot_ = false;
      Repaint();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressed_ = true;
      Repaint();
      // The picker drops its calendar down on a press at its button.
      Forward(WM_LBUTTONDOWN, wparam, lparam);
      return 0;
    case WM_LBUTTONUP:
      pressed_ = false;
      Repaint();
      Forward(WM_LBUTTONUP, wparam, lparam);
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    default:
      return DefWindowProcW(window_.Get(), msg, wparam, lparam);
  }
}

void TArrowButton::Paint(HDC dc) {
  const TDataSkinObject* arrow = ArrowObject(data_);
  RECT client{};
  GetClientRect(window_.Get(), &client);
  if (arrow == nullptr || client.right <= 0 || client.bottom <= 0) {
    return;
  }
  TBitmap pixels(client.right, client.bottom);
  pixels.Fill(ResolveColor(data_->Color(TShemeColor::csButtonFace)));
  DrawSkinMap(pixels, {0, 0, client.right, client.bottom}, *arrow, Frame());
  TDibBitmap buffer;
  buffer.AssignPixels(pixels);
  if (HDC buffer_dc = buffer.Canvas().Handle()) {
    BitBlt(dc, 0, 0, client.right, client.bottom, buffer_dc, 0, 0, SRCCOPY);
  }
}

const ClassInfo& TSkinDateTime::StaticClass() {
  static const ClassInfo info("TSkinDateTime", &TSkinControl::StaticClass(), {});
  return info;
}

void TSkinDateTime::Init(TSkinControls* list, TWinControl* control, TSkinData* data,
                         TCanvas* canvas, bool set_color) {
  TSkinControl::Init(list, control, data, canvas, set_color);
  Attach();
}

void TSkinDateTime::Inithwnd(HWND wnd, TSkinData* data, TCanvas* canvas, TSkinControls* list) {
  TSkinControl::Inithwnd(wnd, data, canvas, list);
  Attach();
}

void TSkinDateTime::Attach() {
  // A picker in up-down mode has no drop-down button to replace.
  if (arrow_ || handle_ == nullptr || ArrowObject(skin_data_) == nullptr ||
      (GetWindowLongW(handle_, GWL_STYLE) & DTS_UPDOWN) != 0) {
    return;
  }
  arrow_ = std::make_unique<TArrowButton>(handle_, skin_data_);
}

void TSkinDateTime::Unsubclass() {
  arrow_.reset();
  TSkinControl::Unsubclass();
}

void TSkinDateTime::DrawBorder() const {
  if (skin_data_ == nullptr) {
    return;
  }
  RECT window{};
  GetWindowRect(handle_, &window);
  RECT client{};
  GetClientRect(handle_, &client);
  const int edge = ((window.right - window.left) - client.right) / 2;
  if (edge <= 0) {
    return;
  }
  const UniqueWindowDC dc = TakeWindowDC(handle_);
  if (dc.Get() == nullptr) {
    return;
  }
  const UniqueBrush brush(CreateSolidBrush(
      static_cast<COLORREF>(ResolveColor(skin_data_->Color(TShemeColor::csButtonShadow)))));
  RECT ring{0, 0, window.right - window.left, window.bottom - window.top};
  for (int i = 0; i < edge; ++i) {
    FrameRect(dc.Get(), &ring, brush.Get());
    InflateRect(&ring, -1, -1);
  }
}

void TSkinDateTime::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_NCPAINT:
      DrawBorder();
      break;
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
    case WM_STYLECHANGED:
      if (arrow_) {
        arrow_->SetPosition();
      }
      break;
    case WM_ENABLE:
      if (arrow_) {
        arrow_->Repaint();
      }
      TSkinControl::AfterProc(message);
      break;
    default:
      TSkinControl::AfterProc(message);
      break;
  }
}

void TSkinDateTime::SkinChange() {
  TSkinControl::SkinChange();
  if (arrow_) {
    arrow_->Repaint();
  }
}

}  // namespace kova
