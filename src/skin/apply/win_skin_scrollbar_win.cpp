#include "skin/apply/win_skin_scrollbar_win.h"

#include "forms/graphics/dib_bitmap.h"
#include "skin/apply/skin_control_paint.h"
#include "skin/apply/skin_messages.h"
#include "skin/data/skin_system_win.h"

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

bool IsChildWindow(HWND wnd) {
  return (GetWindowLongW(wnd, GWL_STYLE) & WS_CHILD) != 0;
}

bool VerticalBar(HWND host, ScrollbarKind kind) {
  if (kind == ScrollbarKind::kControl) {
    return (GetWindowLongW(host, GWL_STYLE) & SBS_VERT) != 0;
  }
  return kind == ScrollbarKind::kVertical;
}

}  // namespace

bool SkinPaintsScrollbars(const TSkinData* data) {
  return data != nullptr && data->Scrollbar && !data->Scrollbar->Map.Empty();
}

UniqueWindow CreateOverHost(HWND host, const wchar_t* window_class) {
  if (host == nullptr || window_class == nullptr) {
    return UniqueWindow();
  }
  if (IsChildWindow(host)) {
    // The native bar draws straight onto the screen (while it tracks the mouse, or when
    // its values change); clipping the host by its siblings keeps those strokes under
    // the overlay.
    SetWindowLongW(host, GWL_STYLE, GetWindowLongW(host, GWL_STYLE) | WS_CLIPSIBLINGS);
    return UniqueWindow(CreateWindowExW(0, window_class, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0,
                                        0, GetParent(host), nullptr, GetModuleHandleW(nullptr),
                                        nullptr));
  }
  // A popup host (a drop-down list) sits above its parent's windows: the overlay is a
  // popup of its own, owned by the host so that it stays above it.
  const bool topmost = (GetWindowLongW(host, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  return UniqueWindow(CreateWindowExW(
      WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | (topmost ? WS_EX_TOPMOST : 0), window_class, L"",
      WS_POPUP, 0, 0, 0, 0, host, nullptr, GetModuleHandleW(nullptr), nullptr));
}

void PlaceOverHost(HWND overlay, HWND host, RECT screen, bool visible) {
  if (overlay == nullptr) {
    return;
  }
  UINT flags = SWP_NOACTIVATE | (visible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
  HWND after = HWND_TOP;
  if (IsChildWindow(overlay)) {
    MapWindowPoints(nullptr, GetParent(overlay), reinterpret_cast<POINT*>(&screen), 2);
    // Right above the host, so windows that lie over the host lie over the bar too.
    HWND above = GetWindow(host, GW_HWNDPREV);
    if (above == overlay) {
      flags |= SWP_NOZORDER;
    } else if (above != nullptr) {
      after = above;
    }
  } else if ((GetWindowLongW(host, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) {
    after = HWND_TOPMOST;
  }
  SetWindowPos(overlay, after, screen.left, screen.top, screen.right - screen.left,
               screen.bottom - screen.top, flags);
}

TWScrollbar::TWScrollbar(HWND host, ScrollbarKind kind, TSkinData* data)
    : host_(host),
      kind_(kind),
      data_(data),
      vertical_(VerticalBar(host, kind)),
      window_(CreateOverHost(host, OverlayClass())) {
  if (!window_) {
    return;
  }
  SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(window_.Get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc));
  SetPosition();
}

HostBar ReadHostBar(HWND host, ScrollbarKind kind, const TSkinData* data) {
  HostBar bar;
  if (kind == ScrollbarKind::kControl) {
    GetWindowRect(host, &bar.rect);
    bar.visible = IsWindowVisible(host) != FALSE;
    bar.enabled = IsWindowEnabled(host) != FALSE;
    return bar;
  }
  const bool vertical = kind == ScrollbarKind::kVertical;
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  if (data == nullptr ||
      !data->GetScrollBarInfo(host, vertical ? OBJID_VSCROLL : OBJID_HSCROLL, info)) {
    return bar;
  }
  bar.rect = info.rcScrollBar;
  const LONG style = GetWindowLongW(host, GWL_STYLE);
  bar.visible = IsWindowVisible(host) != FALSE &&
                (style & (vertical ? WS_VSCROLL : WS_HSCROLL)) != 0 &&
                (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) == 0 &&
                bar.rect.right > bar.rect.left && bar.rect.bottom > bar.rect.top;
  bar.enabled = IsWindowEnabled(host) != FALSE && (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0;
  return bar;
}

SCROLLINFO TWScrollbar::ScrollInfo() const {
  SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
  const int bar = kind_ == ScrollbarKind::kControl ? SB_CTL : (vertical_ ? SB_VERT : SB_HORZ);
  GetScrollInfo(host_, bar, &info);
  return info;
}

void TWScrollbar::SetPosition() {
  if (!window_) {
    return;
  }
  const HostBar bar = ReadHostBar(host_, kind_, data_);
  PlaceOverHost(window_.Get(), host_, bar.rect, bar.visible);
  Repaint();
}

void TWScrollbar::HideScrollbar() {
  if (window_) {
    ShowWindow(window_.Get(), SW_HIDE);
  }
}

void TWScrollbar::Repaint() {
  if (window_) {
    RedrawWindow(window_.Get(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
}

int TWScrollbar::Length() const {
  const RECT rect = ReadHostBar(host_, kind_, data_).rect;
  return vertical_ ? rect.bottom - rect.top : rect.right - rect.left;
}

int TWScrollbar::ArrowSize() const {
  return GetSystemMetrics(vertical_ ? SM_CYVSCROLL : SM_CXHSCROLL);
}

ThumbSpan TWScrollbar::ThumbFromInfo() const {
  const SCROLLINFO info = ScrollInfo();
  return ComputeThumb(
      Length(), ArrowSize(), {info.nMin, info.nMax, info.nPage, info.nPos},
      kind_ == ScrollbarKind::kControl ? ScrollbarOwner::kControl : ScrollbarOwner::kPlainWindow);
}

ThumbSpan TWScrollbar::Thumb() const {
  // While the thumb is dragged the native bar tracks the mouse; the painted thumb follows
  // the mouse too, inside the track.
  if (pressing_ && hot_part_ == ScrollPart::kThumb) {
    return DraggedThumb(press_thumb_, press_point_, MouseAlong(), Length(), ArrowSize());
  }
  return ThumbFromInfo();
}

int TWScrollbar::MouseAlong() const {
  POINT mouse{};
  GetCursorPos(&mouse);
  ScreenToClient(window_.Get(), &mouse);
  return Along(mouse);
}

void TWScrollbar::HoverAt(POINT screen) {
  if (!window_ || pressing_) {
    return;
  }
  const HostBar bar = ReadHostBar(host_, kind_, data_);
  ScrollPart part = ScrollPart::kNone;
  if (bar.visible && PtInRect(&bar.rect, screen)) {
    POINT point = screen;
    ScreenToClient(window_.Get(), &point);
    part = ScrollPartAt(Along(point), Length(), ArrowSize(), Thumb());
  }
  if (part != hot_part_) {
    hot_part_ = part;
    Repaint();
  }
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
    case kMsgIsSkinned:
      return 1;  // the engine's own window: the control rules pass it by
    default:
      return DefWindowProcW(window_.Get(), msg, wparam, lparam);
  }
}

void TWScrollbar::MouseMove(POINT point) {
  if (pressing_) {
    Repaint();
    return;
  }
  const ScrollPart part = ScrollPartAt(Along(point), Length(), ArrowSize(), Thumb());
  if (part != hot_part_) {
    hot_part_ = part;
    Repaint();
  }
  DoTrackMouse(window_.Get());
}

void TWScrollbar::LeftDown(POINT point) {
  POINT screen = point;
  ClientToScreen(window_.Get(), &screen);
  BeginPress(screen);
  ReleaseCapture();
  // The host runs the system's tracking until the button is released.
  const std::shared_ptr<const bool> alive = alive_;
  SendToHost(WM_LBUTTONDOWN, WM_NCLBUTTONDOWN, point, /*post=*/false);
  if (*alive) {
    EndPress();
  }
}

void TWScrollbar::BeginPress(POINT screen) {
  if (!window_) {
    return;
  }
  POINT point = screen;
  ScreenToClient(window_.Get(), &point);
  press_thumb_ = ThumbFromInfo();
  press_point_ = Along(point);
  hot_part_ = ScrollPartAt(press_point_, Length(), ArrowSize(), press_thumb_);
  pressing_ = true;
  Repaint();
}

void TWScrollbar::EndPress() {
  if (!window_) {
    return;
  }
  pressing_ = false;
  // The mouse may have left the bar while the host held it.
  POINT mouse{};
  GetCursorPos(&mouse);
  hot_part_ = ScrollPart::kNone;
  HoverAt(mouse);
  Repaint();
}

void TWScrollbar::LeftUp(POINT point) {
  pressing_ = false;
  ReleaseCapture();
  SendToHost(WM_LBUTTONUP, WM_NCLBUTTONUP, point, /*post=*/true);
  Repaint();
}

void TWScrollbar::SendToHost(UINT client_msg, UINT nonclient_msg, POINT point, bool post) {
  POINT at = point;
  ClientToScreen(window_.Get(), &at);
  UINT msg = nonclient_msg;
  WPARAM wparam = vertical_ ? HTVSCROLL : HTHSCROLL;
  if (kind_ == ScrollbarKind::kControl) {
    ScreenToClient(host_, &at);
    msg = client_msg;
    wparam = client_msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0;
  }
  const LPARAM lparam = MAKELPARAM(at.x, at.y);
  if (post) {
    PostMessageW(host_, msg, wparam, lparam);
  } else {
    SendMessageW(host_, msg, wparam, lparam);
  }
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
  look.enabled = ReadHostBar(host_, kind_, data_).enabled;
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
  if (!overlay_ && handle_ != nullptr && SkinPaintsScrollbars(skin_data_)) {
    overlay_ = std::make_unique<TWScrollbar>(handle_, ScrollbarKind::kControl, skin_data_);
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
