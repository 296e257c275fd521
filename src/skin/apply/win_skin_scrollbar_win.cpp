#include "skin/apply/win_skin_scrollbar_win.h"

#include "forms/graphics/dib_bitmap.h"
#include "skin/apply/skin_control_paint.h"

namespace kova {

namespace {

constexpr wchar_t kOverlayClass[] = L"KOVASkinScrollbar";

// The overlay's class lives as long as the module.
const wchar_t* OverlayClass() {
  static const bool registered = [] {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = DefWindowProcW;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.lpszClassName = kOverlayClass;
    return RegisterClassW(&window_class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered ? kOverlayClass : nullptr;
}

SCROLLINFO HostScrollInfo(HWND host) {
  SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(host, SB_CTL, &info);
  return info;
}

}  // namespace

TWScrollbar::TWScrollbar(HWND host, TSkinData* data)
    : host_(host), data_(data), vertical_((GetWindowLongW(host, GWL_STYLE) & SBS_VERT) != 0) {
  const wchar_t* window_class = OverlayClass();
  if (window_class == nullptr) {
    return;
  }
  // The native bar draws straight onto the screen while it tracks the mouse; clipping
  // it by its siblings keeps those strokes under the overlay.
  SetWindowLongW(host, GWL_STYLE, GetWindowLongW(host, GWL_STYLE) | WS_CLIPSIBLINGS);
  window_.Reset(CreateWindowExW(0, window_class, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                                GetParent(host), nullptr, GetModuleHandleW(nullptr), nullptr));
  if (!window_) {
    return;
  }
  SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(window_.Get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc));
  SetPosition();
}

void TWScrollbar::SetPosition() {
  if (!window_) {
    return;
  }
  RECT rect{};
  GetWindowRect(host_, &rect);
  MapWindowPoints(nullptr, GetParent(host_), reinterpret_cast<POINT*>(&rect), 2);
  const bool visible = IsWindowVisible(host_) != FALSE;
  SetWindowPos(window_.Get(), HWND_TOP, rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top,
               SWP_NOACTIVATE | (visible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
  Repaint();
}

void TWScrollbar::Repaint() {
  if (window_) {
    RedrawWindow(window_.Get(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
}

int TWScrollbar::Length() const {
  RECT rect{};
  GetClientRect(host_, &rect);
  return vertical_ ? rect.bottom : rect.right;
}

int TWScrollbar::ArrowSize() const {
  return GetSystemMetrics(vertical_ ? SM_CYVSCROLL : SM_CXHSCROLL);
}

ThumbSpan TWScrollbar::Thumb() const {
  const SCROLLINFO info = HostScrollInfo(host_);
  const ThumbSpan thumb =
      ComputeThumb(Length(), ArrowSize(), {info.nMin, info.nMax, info.nPage, info.nPos},
                   ScrollbarOwner::kControl);
  if (dragging_) {
    return DraggedThumb(press_thumb_, press_point_, drag_mouse_, Length(), ArrowSize());
  }
  return thumb;
}

LRESULT CALLBACK TWScrollbar::WindowProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<TWScrollbar*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
  if (self == nullptr) {
    return DefWindowProcW(wnd, msg, wparam, lparam);
  }
  try {
    return self->Dispatch(msg, wparam, lparam);
  } catch (...) {
    return DefWindowProcW(wnd, msg, wparam, lparam);
  }
}

LRESULT TWScrollbar::Dispatch(UINT msg, WPARAM wparam, LPARAM lparam) {
  const POINT point{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
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
    case WM_MOUSEMOVE:
      MouseMove(point);
      return 0;
    case WM_MOUSELEAVE:
      if (!pressing_) {
        hot_part_ = ScrollPart::kNone;
        Repaint();
      }
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      LeftDown(point);
      return 0;
    case WM_LBUTTONUP:
      LeftUp(point);
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    default:
      return DefWindowProcW(window_.Get(), msg, wparam, lparam);
  }
}

void TWScrollbar::MouseMove(POINT point) {
  if (pressing_ && hot_part_ == ScrollPart::kThumb) {
    dragging_ = true;
    drag_mouse_ = Along(point);
    Repaint();
    return;
  }
  const ScrollPart part = ScrollPartAt(Along(point), Length(), ArrowSize(), Thumb());
  if (part != hot_part_) {
    hot_part_ = part;
    Repaint();
  }
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window_.Get(), 0};
  TrackMouseEvent(&track);
}

void TWScrollbar::LeftDown(POINT point) {
  press_thumb_ = Thumb();
  press_point_ = Along(point);
  hot_part_ = ScrollPartAt(press_point_, Length(), ArrowSize(), press_thumb_);
  pressing_ = true;
  Repaint();
  ReleaseCapture();
  // The native bar runs its own tracking until the button is released; the overlay has
  // the host's size and place, so the point needs no translation.
  SendMessageW(host_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
  pressing_ = false;
  dragging_ = false;
  Repaint();
}

void TWScrollbar::LeftUp(POINT point) {
  pressing_ = false;
  dragging_ = false;
  ReleaseCapture();
  PostMessageW(host_, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
  Repaint();
}

void TWScrollbar::Paint(HDC dc) {
  RECT client{};
  GetClientRect(window_.Get(), &client);
  if (data_ == nullptr || client.right <= 0 || client.bottom <= 0) {
    return;
  }
  ScrollbarLook look;
  look.vertical = vertical_;
  look.arrow_size = ArrowSize();
  look.thumb = Thumb();
  look.hot = hot_part_;
  look.pressing = pressing_;
  look.enabled = IsWindowEnabled(host_) != FALSE;
  TBitmap pixels(client.right, client.bottom);
  if (!ComposeScrollbar(pixels, *data_, look)) {
    return;
  }
  TDibBitmap buffer;
  buffer.AssignPixels(pixels);
  if (HDC buffer_dc = buffer.Canvas().Handle()) {
    BitBlt(dc, 0, 0, client.right, client.bottom, buffer_dc, 0, 0, SRCCOPY);
  }
}

const ClassInfo& TSkinScControl::StaticClass() {
  static const ClassInfo info("TSkinScControl", &TSkinControl::StaticClass(), {});
  return info;
}

void TSkinScControl::Inithwnd(HWND wnd, TSkinData* data, TCanvas* canvas, TSkinControls* list) {
  TSkinControl::Inithwnd(wnd, data, canvas, list);
  Attach();
}

void TSkinScControl::Init(TSkinControls* list, TWinControl* control, TSkinData* data,
                          TCanvas* canvas, bool set_color) {
  TSkinControl::Init(list, control, data, canvas, set_color);
  Attach();
}

void TSkinScControl::Attach() {
  if (!overlay_ && handle_ != nullptr && skin_data_ != nullptr && skin_data_->Scrollbar &&
      !skin_data_->Scrollbar->Map.Empty()) {
    overlay_ = std::make_unique<TWScrollbar>(handle_, skin_data_);
  }
}

void TSkinScControl::Unsubclass() {
  overlay_.reset();
  TSkinControl::Unsubclass();
}

void TSkinScControl::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
    case SBM_SETSCROLLINFO:
    case WM_ENABLE:
    case WM_PAINT:
      if (overlay_) {
        overlay_->Repaint();
      }
      break;
    case WM_WINDOWPOSCHANGED:
      if (overlay_) {
        overlay_->SetPosition();
      }
      break;
    default:
      TSkinControl::AfterProc(message);
      break;
  }
}

void TSkinScControl::SkinChange() {
  TSkinControl::SkinChange();
  if (overlay_) {
    overlay_->Repaint();
  }
}

}  // namespace kova
