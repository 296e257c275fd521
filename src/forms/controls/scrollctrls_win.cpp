#include "forms/controls/scrollctrls.h"

#include <algorithm>

namespace kova {

const EnumTypeInfo kScrollBarKindInfo{"TScrollBarKind", {"sbHorizontal", "sbVertical"}};

namespace {

constexpr int kScrollBoxLine = 8;

}  // namespace

// --- TScrollBar ---

const ClassInfo& TScrollBar::StaticClass() {
  static const ClassInfo info(
      "TScrollBar", &TWinControl::StaticClass(),
      PropertyListBuilder<TScrollBar>()
          .Enum("Kind", kScrollBarKindInfo, &TScrollBar::Kind, &TScrollBar::SetKind)
          .Integer("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange)
          .Integer("Max", &TScrollBar::Max, &TScrollBar::SetMax)
          .Integer("Min", &TScrollBar::Min, &TScrollBar::SetMin)
          .Integer("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize)
          .Integer("Position", &TScrollBar::Position, &TScrollBar::SetPosition)
          .Integer("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange)
          .Method<TNotifyEvent>(
              "OnChange", [](const TScrollBar& s) { return s.OnChange; },
              [](TScrollBar& s, TNotifyEvent e) { s.OnChange = std::move(e); })
          .Build());
  return info;
}

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 17);
  tab_stop_ = true;
}

void TScrollBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.system_class = L"SCROLLBAR";
  params.style |= kind_ == TScrollBarKind::sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::CreateWindowHandle() {
  UpdateWindow();
}

void TScrollBar::SetKind(TScrollBarKind kind) {
  if (kind == kind_) {
    return;
  }
  kind_ = kind;
  if (!IsLoading()) {
    SetBounds(Left(), Top(), Height(), Width());  // a bar turned on its side
  }
  RecreateWnd();
}

void TScrollBar::SetPageSize(int value) {
  page_size_ = std::max(value, 0);
  SetParams(position_, min_, max_);
}

void TScrollBar::SetParams(int position, int min, int max) {
  max = std::max(max, min);
  const int last = page_size_ > 0 ? std::max(max - page_size_ + 1, min) : max;
  position = std::clamp(position, min, last);
  const bool moved = position != position_;
  min_ = min;
  max_ = max;
  position_ = position;
  UpdateWindow();
  if (moved && OnChange) {
    OnChange(this);
  }
}

void TScrollBar::UpdateWindow() {
  if (!HandleAllocated()) {
    return;
  }
  SCROLLINFO info{sizeof(info),
                  SIF_RANGE | SIF_PAGE | SIF_POS,
                  min_,
                  max_,
                  static_cast<UINT>(page_size_),
                  position_,
                  0};
  SetScrollInfo(WindowHandle(), SB_CTL, &info, TRUE);
}

bool TScrollBar::ScrollReflected(UINT, WPARAM wparam) {
  int position = position_;
  switch (LOWORD(wparam)) {
    case SB_LINEUP:
      position -= small_change_;
      break;
    case SB_LINEDOWN:
      position += small_change_;
      break;
    case SB_PAGEUP:
      position -= std::max(large_change_, page_size_);
      break;
    case SB_PAGEDOWN:
      position += std::max(large_change_, page_size_);
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{sizeof(info), SIF_TRACKPOS, 0, 0, 0, 0, 0};
      GetScrollInfo(WindowHandle(), SB_CTL, &info);
      position = info.nTrackPos;
      break;
    }
    case SB_TOP:
      position = min_;
      break;
    case SB_BOTTOM:
      position = max_;
      break;
    default:
      return true;
  }
  SetPosition(position);
  return true;
}

// --- TScrollBox ---

const ClassInfo& TScrollBox::StaticClass() {
  static const ClassInfo info("TScrollBox", &TWinControl::StaticClass(), {});
  return info;
}

TScrollBox::TScrollBox(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 185, 41);
  tab_stop_ = true;
}

void TScrollBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ex_style |= WS_EX_CLIENTEDGE;
}

void TScrollBox::CreateWindowHandle() {
  UpdateScrollRange();
}

SIZE TScrollBox::ContentSize() const {
  SIZE size{0, 0};
  for (int i = 0; i < ControlCount(); ++i) {
    const TControl* child = Controls(i);
    if (child->Visible()) {
      size.cx = std::max<LONG>(size.cx, child->Left() + child->Width() + offset_.x);
      size.cy = std::max<LONG>(size.cy, child->Top() + child->Height() + offset_.y);
    }
  }
  return size;
}

void TScrollBox::UpdateScrollRange() {
  if (!HandleAllocated() || updating_) {
    return;
  }
  updating_ = true;
  HWND wnd = WindowHandle();
  const SIZE content = ContentSize();
  // Two rounds: one bar showing can make the other necessary.
  for (int round = 0; round < 2; ++round) {
    RECT client{};
    GetClientRect(wnd, &client);
    SCROLLINFO horz{sizeof(horz),
                    SIF_RANGE | SIF_PAGE,
                    0,
                    std::max<int>(content.cx - 1, 0),
                    static_cast<UINT>(client.right),
                    0,
                    0};
    SCROLLINFO vert{sizeof(vert),
                    SIF_RANGE | SIF_PAGE,
                    0,
                    std::max<int>(content.cy - 1, 0),
                    static_cast<UINT>(client.bottom),
                    0,
                    0};
    SetScrollInfo(wnd, SB_HORZ, &horz, TRUE);
    SetScrollInfo(wnd, SB_VERT, &vert, TRUE);
  }
  updating_ = false;
  RECT client{};
  GetClientRect(wnd, &client);
  ScrollTo(std::min<int>(offset_.x, std::max<int>(content.cx - client.right, 0)),
           std::min<int>(offset_.y, std::max<int>(content.cy - client.bottom, 0)));
}

void TScrollBox::ScrollTo(int x, int y) {
  x = std::max(x, 0);
  y = std::max(y, 0);
  const int dx = offset_.x - x;
  const int dy = offset_.y - y;
  if (dx == 0 && dy == 0) {
    return;
  }
  offset_ = POINT{x, y};
  updating_ = true;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    child->SetBounds(child->Left() + dx, child->Top() + dy, child->Width(), child->Height());
  }
  updating_ = false;
  if (HandleAllocated()) {
    SetScrollPos(WindowHandle(), SB_HORZ, x, TRUE);
    SetScrollPos(WindowHandle(), SB_VERT, y, TRUE);
    InvalidateRect(WindowHandle(), nullptr, TRUE);
  }
}

void TScrollBox::Scroll(int bar, WORD code) {
  SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(WindowHandle(), bar, &info);
  int position = info.nPos;
  switch (code) {
    case SB_LINEUP:
      position -= kScrollBoxLine;
      break;
    case SB_LINEDOWN:
      position += kScrollBoxLine;
      break;
    case SB_PAGEUP:
      position -= static_cast<int>(info.nPage);
      break;
    case SB_PAGEDOWN:
      position += static_cast<int>(info.nPage);
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      position = info.nTrackPos;
      break;
    case SB_TOP:
      position = info.nMin;
      break;
    case SB_BOTTOM:
      position = info.nMax;
      break;
    default:
      return;
  }
  const int last = std::max(info.nMax - static_cast<int>(info.nPage) + 1, info.nMin);
  position = std::clamp(position, info.nMin, last);
  if (bar == SB_HORZ) {
    ScrollTo(position, offset_.y);
  } else {
    ScrollTo(offset_.x, position);
  }
}

void TScrollBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (message.LParam == 0) {  // the window's own bars; a child's go to the child
        Scroll(message.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(message.WParam));
        message.Result = 0;
        return;
      }
      break;
    case WM_SIZE:
      TWinControl::WndProc(message);
      UpdateScrollRange();
      return;
    default:
      break;
  }
  TWinControl::WndProc(message);
}

}  // namespace kova
