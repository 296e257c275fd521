#include "skin/apply/win_skin_window_scrollbars_win.h"

#include "base/scope_exit.h"
#include "skin/apply/skin_messages.h"
#include "skin/data/system_colors.h"

namespace kova {

namespace {

constexpr std::array<ScrollbarKind, 2> kWindowBars{ScrollbarKind::kHorizontal,
                                                   ScrollbarKind::kVertical};

size_t Slot(ScrollbarKind kind) {
  return kind == ScrollbarKind::kVertical ? 1 : 0;
}

bool SameValues(const SCROLLINFO& a, const SCROLLINFO& b) {
  return a.nMin == b.nMin && a.nMax == b.nMax && a.nPage == b.nPage && a.nPos == b.nPos &&
         a.nTrackPos == b.nTrackPos;
}

POINT PointOf(LPARAM lparam) {
  return {static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
}

// The square between a window's two bars, filled with the colour kept in its user data.
// Clicks fall through to the host, whose size box it covers.
LRESULT CALLBACK CornerProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(wnd, &paint);
      if (dc != nullptr) {
        const UniqueBrush brush(
            CreateSolidBrush(static_cast<COLORREF>(GetWindowLongPtrW(wnd, GWLP_USERDATA))));
        RECT client{};
        GetClientRect(wnd, &client);
        FillRect(dc, &client, brush.Get());
      }
      EndPaint(wnd, &paint);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case kMsgIsSkinned:
      return 1;
    default:
      return DefWindowProcW(wnd, msg, wparam, lparam);
  }
}

const wchar_t* CornerClass() {
  static const bool registered = [] {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = CornerProc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"KOVASkinScrollCorner";
    return RegisterClassW(&window_class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered ? L"KOVASkinScrollCorner" : nullptr;
}

}  // namespace

void WindowScrollbars::Attach(HWND host, TSkinData* data, bool vertical_only) {
  Release();
  if (host == nullptr || !SkinPaintsScrollbars(data)) {
    return;
  }
  host_ = host;
  data_ = data;
  vertical_only_ = vertical_only;
  Follow(false, false);
}

void WindowScrollbars::Release() {
  corner_.Reset();
  for (auto& bar : bars_) {
    bar.reset();
  }
  seen_ = {};
  host_ = nullptr;
}

TWScrollbar* WindowScrollbars::Bar(ScrollbarKind kind) const {
  return kind == ScrollbarKind::kControl ? nullptr : bars_[Slot(kind)].get();
}

WindowScrollbars::Seen WindowScrollbars::Look(ScrollbarKind kind) const {
  Seen seen;
  seen.bar = ReadHostBar(host_, kind, data_);
  seen.info.cbSize = sizeof(seen.info);
  seen.info.fMask = SIF_ALL;
  GetScrollInfo(host_, kind == ScrollbarKind::kVertical ? SB_VERT : SB_HORZ, &seen.info);
  return seen;
}

void WindowScrollbars::Follow(bool place, bool repaint) {
  if (host_ == nullptr || following_ || !IsWindow(host_)) {
    return;
  }
  following_ = true;
  const ScopeExit done([this] { following_ = false; });
  bool moved = false;
  for (const ScrollbarKind kind : kWindowBars) {
    if (vertical_only_ && kind == ScrollbarKind::kHorizontal) {
      continue;
    }
    const Seen now = Look(kind);
    Seen& before = seen_[Slot(kind)];
    std::unique_ptr<TWScrollbar>& bar = bars_[Slot(kind)];
    if (!bar) {
      if (now.bar.visible) {
        bar = std::make_unique<TWScrollbar>(host_, kind, data_);  // places and paints itself
        moved = true;
      }
    } else if (place || now.bar.visible != before.bar.visible ||
               !EqualRect(&now.bar.rect, &before.bar.rect)) {
      bar->SetPosition();
      moved = true;
    } else if (repaint || now.bar.enabled != before.bar.enabled ||
               !SameValues(now.info, before.info)) {
      bar->Repaint();
    }
    before = now;
  }
  if (moved) {
    PlaceCorner();
  }
}

void WindowScrollbars::PlaceCorner() {
  const TWScrollbar* across = bars_[Slot(ScrollbarKind::kHorizontal)].get();
  const TWScrollbar* down = bars_[Slot(ScrollbarKind::kVertical)].get();
  const bool both = across != nullptr && down != nullptr && IsWindowVisible(across->Handle()) &&
                    IsWindowVisible(down->Handle());
  if (!both) {
    if (corner_) {
      ShowWindow(corner_.Get(), SW_HIDE);
    }
    return;
  }
  if (!corner_) {
    corner_ = CreateOverHost(host_, CornerClass());
    if (!corner_) {
      return;
    }
  }
  SetWindowLongPtrW(corner_.Get(), GWLP_USERDATA,
                    static_cast<LONG_PTR>(ResolveColor(data_->Color(TShemeColor::csScrollbar))));
  RECT horizontal{};
  RECT vertical{};
  GetWindowRect(across->Handle(), &horizontal);
  GetWindowRect(down->Handle(), &vertical);
  PlaceOverHost(corner_.Get(), host_,
                {vertical.left, horizontal.top, vertical.right, horizontal.bottom}, true);
}

void WindowScrollbars::AfterMessage(const TMessage& message) {
  switch (message.Msg) {
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_GETDLGCODE:
      return;  // asked often, they change nothing
    default:
      break;
  }
  bool place = false;
  if (message.Msg == WM_WINDOWPOSCHANGED && message.LParam != 0) {
    place = (reinterpret_cast<const WINDOWPOS*>(message.LParam)->flags & SWP_NOZORDER) == 0;
  }
  bool repaint = message.Msg == WM_VSCROLL || message.Msg == WM_HSCROLL;
  for (const auto& bar : bars_) {
    repaint = repaint || (bar && bar->Pressing());  // a dragged thumb follows the mouse
  }
  Follow(place, repaint);
}

bool WindowScrollbars::TrackHostPress(TMessage& message,
                                      const std::function<void(TMessage&)>& run) {
  if (message.Msg != WM_NCLBUTTONDOWN || host_ == nullptr) {
    return false;
  }
  TWScrollbar* bar = nullptr;
  if (message.WParam == HTVSCROLL) {
    bar = Bar(ScrollbarKind::kVertical);
  } else if (message.WParam == HTHSCROLL) {
    bar = Bar(ScrollbarKind::kHorizontal);
  }
  // A press the overlay sent on is shown by the overlay itself.
  if (bar == nullptr || bar->Pressing() || !IsWindowVisible(bar->Handle())) {
    return false;
  }
  const std::shared_ptr<const bool> alive = bar->Alive();
  bar->BeginPress(PointOf(message.LParam));
  run(message);
  if (*alive) {
    bar->EndPress();
  }
  return true;
}

void WindowScrollbars::Repaint() {
  for (const auto& bar : bars_) {
    if (bar) {
      bar->Repaint();
    }
  }
  if (corner_) {
    PlaceCorner();  // in the skin's colour of now
    RedrawWindow(corner_.Get(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
}

void WindowScrollbars::HoverAt(POINT screen) {
  for (const auto& bar : bars_) {
    if (bar) {
      bar->HoverAt(screen);
    }
  }
}

// --- TSkinScrollbar -----------------------------------------------------------------

const ClassInfo& TSkinScrollbar::StaticClass() {
  static const ClassInfo info("TSkinScrollbar", &TSkinControl::StaticClass(), {});
  return info;
}

void TSkinScrollbar::Init(TSkinControls* list, TWinControl* control, TSkinData* data,
                          TCanvas* canvas, bool set_color) {
  if (initialized_) {
    return;
  }
  TSkinControl::Init(list, control, data, canvas, set_color);
  bars_.Attach(handle_, skin_data_, mode_ == 1);
}

void TSkinScrollbar::Inithwnd(HWND wnd, TSkinData* data, TCanvas* canvas, TSkinControls* list) {
  if (initialized_) {
    return;
  }
  TSkinControl::Inithwnd(wnd, data, canvas, list);
  bars_.Attach(handle_, skin_data_, mode_ == 1);
}

void TSkinScrollbar::Unsubclass() {
  bars_.Release();
  TSkinControl::Unsubclass();
}

bool TSkinScrollbar::BeforeProc(TMessage& message) {
  if (bars_.TrackHostPress(message, [this](TMessage& press) { Default(press); })) {
    bars_.AfterMessage(message);
    return false;
  }
  return TSkinControl::BeforeProc(message);
}

void TSkinScrollbar::AfterProc(TMessage& message) {
  // The control paints itself; only its bars are the skin's.
  bars_.AfterMessage(message);
}

void TSkinScrollbar::SkinChange() {
  TSkinControl::SkinChange();
  bars_.Repaint();
}

// --- TSkinScrollbarH ----------------------------------------------------------------

const ClassInfo& TSkinScrollbarH::StaticClass() {
  static const ClassInfo info("TSkinScrollbarH", &TSkinControl::StaticClass(), {});
  return info;
}

void TSkinScrollbarH::Inithwnd(HWND wnd, TSkinData* data, TCanvas* canvas, TSkinControls* list) {
  if (initialized_) {
    return;
  }
  TSkinControl::Inithwnd(wnd, data, canvas, list);
  bars_.Attach(handle_, skin_data_, /*vertical_only=*/false);
}

void TSkinScrollbarH::Unsubclass() {
  bars_.Release();
  TSkinControl::Unsubclass();
}

bool TSkinScrollbarH::BeforeProc(TMessage& message) {
  if (bars_.TrackHostPress(message, [this](TMessage& press) { Default(press); })) {
    bars_.AfterMessage(message);
    return false;
  }
  return TSkinControl::BeforeProc(message);
}

void TSkinScrollbarH::AfterProc(TMessage& message) {
  bars_.AfterMessage(message);
}

void TSkinScrollbarH::SkinChange() {
  TSkinControl::SkinChange();
  bars_.Repaint();
}

// --- TComboxScrollBar ---------------------------------------------------------------

const ClassInfo& TComboxScrollBar::StaticClass() {
  static const ClassInfo info("TComboxScrollBar", &TSkinScrollbarH::StaticClass(), {});
  return info;
}

void TComboxScrollBar::AfterProc(TMessage& message) {
  TSkinScrollbarH::AfterProc(message);
  switch (message.Msg) {
    case WM_MOUSEMOVE: {
      POINT screen = PointOf(message.LParam);
      ClientToScreen(handle_, &screen);
      bars_.HoverAt(screen);
      break;
    }
    case WM_CAPTURECHANGED:
    case WM_SHOWWINDOW:
      bars_.HoverAt({-32000, -32000});  // closed or let go: nothing under the mouse
      break;
    default:
      break;
  }
}

}  // namespace kova
