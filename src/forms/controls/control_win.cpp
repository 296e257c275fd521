#include <windowsx.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

#include "forms/controls/control.h"
#include "forms/graphics/dib_bitmap.h"
#include "base/win/handles_win.h"
#include "base/win/per_thread_win.h"
#include "forms/win/platform_boundary_win.h"

namespace kova {

const EnumTypeInfo kAlignInfo{"TAlign",
                              {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"}};
const EnumTypeInfo kAnchorKindInfo{"TAnchorKind", {"akLeft", "akTop", "akRight", "akBottom"}};
const EnumTypeInfo kAlignmentInfo{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};

namespace {

// The control whose window is being made on this thread: the window procedure adopts
// the window before CreateWindowEx returns, so the first messages reach the control.
thread_local TWinControl* t_creating = nullptr;

// The property atom is made once per thread: its name carries the thread's id.
class ControlAtom {
 public:
  ControlAtom() : atom_(GlobalAddAtomW(AsWin(ControlPropertyName()))) {}
  const wchar_t* Name() const { return MAKEINTATOM(atom_.Get()); }

 private:
  UniqueAtom atom_;
};

const ControlAtom& ThreadControlAtom() {
  static PerThread<ControlAtom> atoms;
  return atoms.Get();
}

struct WindowClass {
  WNDPROC default_proc = DefWindowProcW;
};

HCURSOR CursorHandle(TCursor cursor) {
  switch (cursor) {
    case crHandPoint:
      return LoadCursorW(nullptr, IDC_HAND);
    case crIBeam:
      return LoadCursorW(nullptr, IDC_IBEAM);
    default:
      return LoadCursorW(nullptr, IDC_ARROW);
  }
}

bool Intersects(const RECT& a, const RECT& b) {
  RECT out;
  return IntersectRect(&out, &a, &b) != FALSE;
}

}  // namespace

LRESULT CALLBACK ControlWindowProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);

HINSTANCE ModuleInstance() {
  static const HINSTANCE instance = [] {
    HMODULE module = nullptr;
    GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&ModuleInstance), &module);
    return static_cast<HINSTANCE>(module);
  }();
  return instance;
}

WideString ControlPropertyName() {
  char text[64];
  std::snprintf(text, sizeof text, "ControlOfs%.8llX%.8lX",
                static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(ModuleInstance())),
                static_cast<unsigned long>(GetCurrentThreadId()));
  return Latin1ToWide(text);
}

TControl* FindControl(HWND window) {
  if (window == nullptr) {
    return nullptr;
  }
  return static_cast<TControl*>(GetPropW(window, ThreadControlAtom().Name()));
}

// --- TControl -------------------------------------------------------------------

const ClassInfo& TControl::StaticClass() {
  static const ClassInfo info(
      "TControl", &TComponent::StaticClass(),
      PropertyListBuilder<TControl>()
          .Enum("Align", kAlignInfo, &TControl::Align, &TControl::SetAlign)
          .Set<TAnchorKind>("Anchors", kAnchorKindInfo, &TControl::Anchors, &TControl::SetAnchors)
          .String("Caption", &TControl::GetText, &TControl::SetText)
          .Integer("Color", &TControl::Color, &TControl::SetColor)
          .Integer("Cursor", &TControl::Cursor, &TControl::SetCursor)
          .Boolean("Enabled", &TControl::Enabled, &TControl::SetEnabled)
          .Object<TFont>(
              "Font", [](const TControl& c) { return c.font_.get(); }, &TControl::SetFont)
          .Integer("Height", &TControl::Height, &TControl::SetHeight)
          .String("Hint", &TControl::Hint, &TControl::SetHint)
          .Integer("Left", &TControl::Left, &TControl::SetLeft)
          .Method<TNotifyEvent>(
              "OnClick", [](const TControl& c) { return c.OnClick; },
              [](TControl& c, TNotifyEvent e) { c.OnClick = std::move(e); })
          .Boolean("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
          .Integer("Top", &TControl::Top, &TControl::SetTop)
          .Boolean("Visible", &TControl::Visible, &TControl::SetVisible)
          .Integer("Width", &TControl::Width, &TControl::SetWidth)
          .Build());
  return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
  font_->OnChange = [this](TObject*) { FontChanged(); };
}

TControl::~TControl() {
  Destroying();
  if (parent_ != nullptr) {
    parent_->RemoveControl(this);
  }
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) {
    return;
  }
  if (parent == this) {
    throw EFrameworkError("a control cannot be its own parent");
  }
  if (parent_ != nullptr) {
    parent_->RemoveControl(this);
  }
  if (parent != nullptr) {
    parent->InsertControl(this);
  }
}

void TControl::SetBounds(int left, int top, int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (left == left_ && top == top_ && width == width_ && height == height_) {
    return;
  }
  Invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Invalidate();
  if (parent_ != nullptr && !parent_->aligning_) {
    UpdateAnchorOrigin();
    if (align_ != TAlign::alNone) {
      parent_->Realign();
    }
  }
}

void TControl::UpdateAnchorOrigin() {
  if (parent_ != nullptr) {
    anchor_origin_ = SIZE{parent_->ClientWidth(), parent_->ClientHeight()};
  }
}

void TControl::SetAlign(TAlign align) {
  if (align != align_) {
    align_ = align;
    if (parent_ != nullptr) {
      parent_->Realign();
    }
  }
}

void TControl::SetAnchors(TAnchors anchors) {
  anchors_ = anchors;
  UpdateAnchorOrigin();
}

void TControl::SetVisible(bool visible) {
  if (visible != visible_) {
    if (!visible) {
      Invalidate();
    }
    visible_ = visible;
    Invalidate();
    if (parent_ != nullptr && align_ != TAlign::alNone) {
      parent_->Realign();
    }
  }
}

void TControl::SetEnabled(bool enabled) {
  if (enabled != enabled_) {
    enabled_ = enabled;
    SendControlMessage(CM_ENABLEDCHANGED, 0, 0);
    Invalidate();
  }
}

void TControl::SetColor(TColor color) {
  if (color != color_) {
    color_ = color;
    Invalidate();
  }
}

WideString TControl::GetText() const {
  return text_;
}

void TControl::SetText(const WideString& text) {
  if (text != GetText()) {
    SendControlMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(AsWin(text)));
  }
}

int TControl::GetTextBuf(char16_t* buffer, int size) const {
  if (buffer == nullptr || size <= 0) {
    return 0;
  }
  const WideString text = GetText();
  const int n = std::min(static_cast<int>(text.size()), size - 1);
  std::copy_n(text.data(), n, buffer);
  buffer[n] = 0;
  return n;
}

void TControl::SetTextBuf(const char16_t* buffer) {
  SetText(buffer != nullptr ? WideString(buffer) : WideString());
}

LRESULT TControl::Perform(UINT msg, WPARAM wparam, LPARAM lparam) {
  TMessage message{msg, wparam, lparam, 0};
  if (WindowProc) {
    WindowProc(message);
  } else {
    WndProc(message);
  }
  return message.Result;
}

void TControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_SETTEXT:
      text_ =
          m.LParam != 0 ? WideFromWin(reinterpret_cast<const wchar_t*>(m.LParam)) : WideString();
      DefaultHandler(m);
      m.Result = TRUE;
      TextChanged();
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      mouse_down_ = true;
      if (OnMouseDown) {
        OnMouseDown(this, GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
      }
      break;
    case WM_LBUTTONUP: {
      const bool was_down = std::exchange(mouse_down_, false);
      const POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
      if (OnMouseUp) {
        OnMouseUp(this, p.x, p.y);
      }
      const RECT r = ClientRect();
      if (was_down && enabled_ && ClicksOnMouseUp() && PtInRect(&r, p)) {
        Click();
      }
      break;
    }
    case WM_MOUSEMOVE:
      if (OnMouseMove) {
        OnMouseMove(this, GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
      }
      break;
    case CM_MOUSEENTER:
      mouse_in_ = true;
      break;
    case CM_MOUSELEAVE:
      mouse_in_ = false;
      mouse_down_ = false;
      break;
    default:
      break;
  }
  DefaultHandler(m);
}

void TControl::DefaultHandler(TMessage& m) {
  (void)m;
}

void TControl::Invalidate() {
  if (parent_ != nullptr && parent_->HandleAllocated() && visible_) {
    const RECT r = BoundsRect();
    InvalidateRect(parent_->WindowHandle(), &r, FALSE);
  }
}

void TControl::Repaint() {
  Invalidate();
  if (parent_ != nullptr && parent_->HandleAllocated()) {
    UpdateWindow(parent_->WindowHandle());
  }
}

void TControl::Click() {
  if (OnClick) {
    OnClick(this);
  }
}

// --- TWinControl ----------------------------------------------------------------

const ClassInfo& TWinControl::StaticClass() {
  static const ClassInfo info(
      "TWinControl", &TControl::StaticClass(),
      PropertyListBuilder<TWinControl>()
          .Integer("BorderWidth", &TWinControl::BorderWidth, &TWinControl::SetBorderWidth)
          .Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
          .Build());
  return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  Destroying();
  DestroyHandle();
  DestroyComponents();
  while (!controls_.empty()) {
    delete controls_.back();  // removes itself from controls_
  }
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.caption = text_;
  params.style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  if (Visible()) {
    params.style |= WS_VISIBLE;
  }
  if (!Enabled()) {
    params.style |= WS_DISABLED;
  }
  if (tab_stop_) {
    params.style |= WS_TABSTOP;
  }
  params.x = Left();
  params.y = Top();
  params.width = Width();
  params.height = Height();
  if (Parent() != nullptr) {
    params.parent = Parent()->Handle();
  }
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  const WideString class_name = Latin1ToWide(ClassName());
  static std::map<WideString, WindowClass> registered;
  auto it = registered.find(class_name);
  if (it == registered.end()) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    WindowClass info;
    if (params.system_class != nullptr) {
      GetClassInfoExW(nullptr, params.system_class, &wc);
      info.default_proc = wc.lpfnWndProc;
      wc.cbSize = sizeof wc;
    } else {
      wc.style = CS_DBLCLKS;
      wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    }
    wc.lpfnWndProc = ControlWindowProc;
    wc.hInstance = ModuleInstance();
    wc.lpszClassName = AsWin(class_name);
    wc.lpszMenuName = nullptr;
    wc.style &= ~CS_GLOBALCLASS;
    if (RegisterClassExW(&wc) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
      throw EFrameworkError("cannot register the window class " + std::string(ClassName()));
    }
    it = registered.emplace(class_name, info).first;
  }
  default_proc_ = it->second.default_proc;

  // A handler that fails during creation fails the creation; the window, if made, is
  // already ours and goes with this control.
  PlatformCallScope creation;
  TWinControl* const outer = std::exchange(t_creating, this);
  HWND window = CreateWindowExW(params.ex_style, AsWin(class_name), AsWin(params.caption),
                                params.style, params.x, params.y, params.width, params.height,
                                params.parent, nullptr, ModuleInstance(), nullptr);
  t_creating = outer;
  creation.RethrowPending();
  if (window == nullptr) {
    throw EFrameworkError("cannot create the window of " + std::string(ClassName()));
  }
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
  creation.RethrowPending();
  CreateWindowHandle();
  for (TControl* child : controls_) {
    if (auto* win = dynamic_cast<TWinControl*>(child)) {
      win->Handle();
    }
  }
  Realign();
}

HWND TWinControl::Handle() {
  if (!window_) {
    if (Parent() != nullptr) {
      Parent()->Handle();  // making the parent makes this one too
    }
    if (!window_) {
      CreateWnd();
    }
  }
  return window_.Get();
}

void TWinControl::DestroyHandle() {
  if (window_) {
    hover_child_ = captured_child_ = nullptr;
    DestroyWindow(window_.Get());  // WM_NCDESTROY lets go of the handle
  }
}

void TWinControl::RecreateWnd() {
  if (!HandleAllocated()) {
    return;
  }
  DestroyHandle();
  if (Parent() == nullptr || Parent()->HandleAllocated()) {
    Handle();
  }
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  control->parent_ = this;
  control->UpdateAnchorOrigin();
  if (auto* win = dynamic_cast<TWinControl*>(control); win != nullptr && HandleAllocated()) {
    win->Handle();
  }
  if (control->Align() != TAlign::alNone) {
    Realign();
  }
  control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control) {
  control->Invalidate();
  if (auto* win = dynamic_cast<TWinControl*>(control)) {
    win->DestroyHandle();
  }
  if (hover_child_ == control) {
    hover_child_ = nullptr;
  }
  if (captured_child_ == control) {
    captured_child_ = nullptr;
  }
  std::erase(controls_, control);
  control->parent_ = nullptr;
  Realign();
}

void TWinControl::SetBorderWidth(int width) {
  if (width != border_width_ && width >= 0) {
    border_width_ = width;
    Realign();
    Invalidate();
  }
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  const SIZE old{Width(), Height()};
  TControl::SetBounds(left, top, width, height);
  if (window_) {
    SetWindowPos(window_.Get(), nullptr, Left(), Top(), Width(), Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (old.cx != Width() || old.cy != Height()) {
    Realign();
  }
}

void TWinControl::SetVisible(bool visible) {
  TControl::SetVisible(visible);
  if (window_) {
    ShowWindow(window_.Get(), visible ? SW_SHOWNA : SW_HIDE);
  }
}

void TWinControl::SetEnabled(bool enabled) {
  if (enabled != Enabled() && window_) {
    EnableWindow(window_.Get(), enabled);
  }
  TControl::SetEnabled(enabled);
}

WideString TWinControl::GetText() const {
  if (!window_) {
    return text_;
  }
  const int length = GetWindowTextLengthW(window_.Get());
  std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(window_.Get(), buffer.data(), length + 1);
  buffer.resize(static_cast<size_t>(std::max(got, 0)));
  return WideFromWin(buffer.c_str());
}

void TWinControl::Invalidate() {
  if (window_) {
    InvalidateRect(window_.Get(), nullptr, TRUE);
  }
}

RECT TWinControl::ClientRect() const {
  RECT r{0, 0, Width(), Height()};
  if (window_) {
    GetClientRect(window_.Get(), &r);
  }
  return r;
}

bool TWinControl::Focused() const {
  return window_ && GetFocus() == window_.Get();
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c != nullptr; c = c->Parent()) {
    if (!c->Visible() || !c->Enabled()) {
      return false;
    }
  }
  return true;
}

void TWinControl::SetFocus() {
  if (CanFocus()) {
    ::SetFocus(Handle());
  }
}

int TWinControl::TabOrder() const {
  if (Parent() == nullptr) {
    return -1;
  }
  int order = 0;
  for (TControl* c : Parent()->controls_) {
    if (c == this) {
      return order;
    }
    if (dynamic_cast<TWinControl*>(c) != nullptr) {
      ++order;
    }
  }
  return -1;
}

void TWinControl::Realign() {
  if (!aligning_) {
    AlignControls();
  }
}

void TWinControl::AlignControls() {
  aligning_ = true;
  RECT area = ClientRect();
  InflateRect(&area, -border_width_, -border_width_);
  const int client_w = ClientWidth();
  const int client_h = ClientHeight();
  for (TAlign kind :
       {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
    for (TControl* c : controls_) {
      if (c->Align() != kind || !c->Visible()) {
        continue;
      }
      const int w = std::max<int>(area.right - area.left, 0);
      const int h = std::max<int>(area.bottom - area.top, 0);
      switch (kind) {
        case TAlign::alTop:
          c->SetBounds(area.left, area.top, w, c->Height());
          area.top += c->Height();
          break;
        case TAlign::alBottom:
          c->SetBounds(area.left, area.bottom - c->Height(), w, c->Height());
          area.bottom -= c->Height();
          break;
        case TAlign::alLeft:
          c->SetBounds(area.left, area.top, c->Width(), h);
          area.left += c->Width();
          break;
        case TAlign::alRight:
          c->SetBounds(area.right - c->Width(), area.top, c->Width(), h);
          area.right -= c->Width();
          break;
        default:
          c->SetBounds(area.left, area.top, w, h);
          break;
      }
    }
  }
  // Anchored to the right or bottom: keep the distance to that edge.
  for (TControl* c : controls_) {
    if (c->Align() != TAlign::alNone) {
      continue;
    }
    const TAnchors a = c->Anchors();
    const SIZE origin = c->AnchorOrigin();
    const int dx = client_w - origin.cx;
    const int dy = client_h - origin.cy;
    int left = c->Left(), top = c->Top(), width = c->Width(), height = c->Height();
    if (a.Has(TAnchorKind::akRight)) {
      (a.Has(TAnchorKind::akLeft) ? width : left) += dx;
    }
    if (a.Has(TAnchorKind::akBottom)) {
      (a.Has(TAnchorKind::akTop) ? height : top) += dy;
    }
    c->SetBounds(left, top, width, height);
    c->anchor_origin_ = SIZE{client_w, client_h};
  }
  aligning_ = false;
}

TControl* TWinControl::ControlAtPos(POINT point, bool allow_disabled) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    const RECT r = c->BoundsRect();
    if (c->Visible() && (allow_disabled || c->Enabled()) && PtInRect(&r, point)) {
      return c;
    }
  }
  return nullptr;
}

void TWinControl::PaintControls(HDC dc) {
  RECT clip;
  const bool has_clip = GetClipBox(dc, &clip) != NULLREGION;
  for (TControl* c : controls_) {
    auto* graphic = dynamic_cast<TGraphicControl*>(c);
    if (graphic != nullptr && c->Visible() && (!has_clip || Intersects(clip, c->BoundsRect()))) {
      graphic->PaintOn(dc);
    }
  }
}

void TWinControl::UpdateHoverChild(TControl* over) {
  if (over == hover_child_) {
    return;
  }
  if (hover_child_ != nullptr) {
    hover_child_->Perform(CM_MOUSELEAVE, 0, 0);
  }
  hover_child_ = over;
  if (hover_child_ != nullptr) {
    hover_child_->Perform(CM_MOUSEENTER, 0, 0);
  }
}

void TWinControl::TrackMouse(POINT point) {
  if (!MouseInControl()) {
    SendMessageW(window_.Get(), CM_MOUSEENTER, 0, 0);
  }
  if (!tracking_leave_) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window_.Get(), 0};
    tracking_leave_ = TrackMouseEvent(&track) != FALSE;
  }
  TControl* over = ControlAtPos(point, false);
  UpdateHoverChild(dynamic_cast<TGraphicControl*>(over));
}

void TWinControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP: {
      const POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
      if (m.Msg == WM_MOUSEMOVE && window_) {
        TrackMouse(p);
      }
      TControl* target = captured_child_;
      if (target == nullptr) {
        target = dynamic_cast<TGraphicControl*>(ControlAtPos(p, false));
      }
      if (target != nullptr) {
        if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) {
          captured_child_ = target;
          SetCapture(window_.Get());
        }
        const LPARAM local = MAKELPARAM(p.x - target->Left(), p.y - target->Top());
        m.Result = target->Perform(m.Msg, m.WParam, local);
        if (m.Msg == WM_LBUTTONUP) {
          captured_child_ = nullptr;
          ReleaseCapture();
        }
        return;
      }
      break;
    }
    case WM_MOUSELEAVE:
      tracking_leave_ = false;
      UpdateHoverChild(nullptr);
      SendMessageW(window_.Get(), CM_MOUSELEAVE, 0, 0);
      break;
    case WM_SETCURSOR:
      if (LOWORD(m.LParam) == HTCLIENT && reinterpret_cast<HWND>(m.WParam) == window_.Get()) {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(window_.Get(), &p);
        const TControl* over = dynamic_cast<TGraphicControl*>(ControlAtPos(p, false));
        const TCursor cursor = over != nullptr ? over->Cursor() : Cursor();
        if (cursor != crDefault) {
          ::SetCursor(CursorHandle(cursor));
          m.Result = TRUE;
          return;
        }
      }
      break;
    case WM_COMMAND:
      if (m.LParam != 0) {
        if (auto* child =
                dynamic_cast<TWinControl*>(FindControl(reinterpret_cast<HWND>(m.LParam)))) {
          child->CommandNotify(HIWORD(m.WParam));
          return;
        }
      }
      break;
    case CM_DIALOGCHAR:
      // Offered to the children until one takes it (a label's accelerator, say).
      for (TControl* child : std::vector<TControl*>(controls_)) {
        if (child->Visible() && child->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0) {
          m.Result = 1;
          return;
        }
      }
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (m.LParam != 0) {
        if (auto* child = dynamic_cast<TWinControl*>(FindControl(reinterpret_cast<HWND>(m.LParam)));
            child != nullptr && child->ScrollReflected(m.Msg, m.WParam)) {
          m.Result = 0;
          return;
        }
      }
      break;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
      if (item->CtlType == ODT_MENU) {
        break;
      }
      if (auto* child = dynamic_cast<TWinControl*>(FindControl(item->hwndItem));
          child != nullptr && child->DrawItemReflected(*item)) {
        m.Result = TRUE;
        return;
      }
      break;
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(m.LParam);
      if (auto* child = dynamic_cast<TWinControl*>(FindControl(header->hwndFrom))) {
        m.Result = child->NotifyReflected(header);
        return;
      }
      break;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      if (TControl* child = FindControl(reinterpret_cast<HWND>(m.LParam))) {
        static PerThread<TBrush> brushes;  // one colour in use at a time per thread
        TBrush& brush = brushes.Get();
        const HDC dc = reinterpret_cast<HDC>(m.WParam);
        SetTextColor(dc, ColorToRGB(child->Font().Color()));
        SetBkColor(dc, ColorToRGB(child->Color()));
        brush.SetColor(child->Color());
        m.Result = reinterpret_cast<LRESULT>(brush.Handle());
        return;
      }
      break;
    case WM_WINDOWPOSCHANGED: {
      DefaultHandler(m);
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(m.LParam);
      if ((pos->flags & SWP_NOSIZE) == 0 || (pos->flags & SWP_NOMOVE) == 0) {
        RECT r;
        GetWindowRect(window_.Get(), &r);
        if (Parent() != nullptr && Parent()->HandleAllocated()) {
          MapWindowPoints(nullptr, Parent()->WindowHandle(), reinterpret_cast<POINT*>(&r), 2);
        }
        const bool resized = r.right - r.left != Width() || r.bottom - r.top != Height();
        TControl::SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
        if (resized) {
          Realign();
          Invalidate();
        }
      }
      return;
    }
    case WM_SETFOCUS: {
      DefaultHandler(m);
      TWinControl* root = this;
      while (root->Parent() != nullptr) {
        root = root->Parent();
      }
      std::vector<TControl*> all{root};
      for (size_t i = 0; i < all.size(); ++i) {
        if (auto* win = dynamic_cast<TWinControl*>(all[i])) {
          all.insert(all.end(), win->controls_.begin(), win->controls_.end());
        }
      }
      for (TControl* c : all) {
        auto* win = dynamic_cast<TWinControl*>(c);
        if (win != nullptr && win->HandleAllocated()) {
          SendMessageW(win->WindowHandle(), CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(this));
        } else {
          c->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(this));
        }
      }
      return;
    }
    default:
      break;
  }
  TControl::WndProc(m);
}

void TWinControl::DefaultHandler(TMessage& m) {
  if (window_) {
    m.Result = CallWindowProcW(default_proc_ != nullptr ? default_proc_ : DefWindowProcW,
                               window_.Get(), m.Msg, m.WParam, m.LParam);
  }
}

LRESULT CALLBACK ControlWindowProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* control = static_cast<TWinControl*>(FindControl(window));
  if (control == nullptr && t_creating != nullptr && !t_creating->window_) {
    control = t_creating;
    control->window_ = UniqueWindow(window);
    SetPropW(window, ThreadControlAtom().Name(), static_cast<TControl*>(control));
  }
  if (control == nullptr) {
    return DefWindowProcW(window, msg, wparam, lparam);
  }
  // Messages sent through the window (rather than Perform) reach the control here. A
  // handler that fails leaves the message to the window class's default processing, so
  // the window stays usable.
  TMessage message{msg, wparam, lparam, 0};
  const bool handled = RunAtPlatformBoundary([&] {
    if (control->WindowProc) {
      control->WindowProc(message);
    } else {
      control->WndProc(message);
    }
  });
  if (!handled) {
    message.Result =
        CallWindowProcW(control->default_proc_ != nullptr ? control->default_proc_ : DefWindowProcW,
                        window, msg, wparam, lparam);
  }
  if (msg == WM_NCDESTROY) {
    RemovePropW(window, ThreadControlAtom().Name());
    if (control->window_.Get() == window) {
      (void)control->window_.Release();
    }
    control->tracking_leave_ = false;
  }
  return message.Result;
}

// --- TGraphicControl and TCustomControl -------------------------------------------

const ClassInfo& TGraphicControl::StaticClass() {
  static const ClassInfo info("TGraphicControl", &TControl::StaticClass(), {});
  return info;
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::PaintOn(HDC dc) {
  ScopedSaveDC saved(dc);
  POINT origin;
  GetViewportOrgEx(dc, &origin);
  SetViewportOrgEx(dc, origin.x + Left(), origin.y + Top(), nullptr);
  IntersectClipRect(dc, 0, 0, Width(), Height());
  Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
}

void TGraphicControl::WndProc(TMessage& m) {
  if (m.Msg == WM_PAINT && m.WParam != 0) {
    Canvas().SetHandle(reinterpret_cast<HDC>(m.WParam));
    Canvas().Font().Assign(&Font());
    Paint();
    Canvas().SetHandle(nullptr);
    m.Result = 0;
    return;
  }
  TControl::WndProc(m);
}

const ClassInfo& TCustomControl::StaticClass() {
  static const ClassInfo info("TCustomControl", &TWinControl::StaticClass(), {});
  return info;
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

void TCustomControl::Paint() {
  canvas_.Brush().SetColor(Color());
  canvas_.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas_.FillRect(ClientRect());
}

void TCustomControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      m.Result = 1;  // Paint covers the whole client area
      return;
    case WM_PRINTCLIENT:
    case WM_PAINT: {
      PAINTSTRUCT ps{};
      HDC target = reinterpret_cast<HDC>(m.WParam);
      const bool begin = target == nullptr;
      if (begin) {
        target = BeginPaint(WindowHandle(), &ps);
      }
      // Compose off screen, then one blit: no flicker.
      const RECT client = ClientRect();
      TDibBitmap buffer(std::max<int>(client.right, 1), std::max<int>(client.bottom, 1));
      canvas_.SetHandle(buffer.Canvas().Handle());
      canvas_.Font().Assign(&Font());
      Paint();
      PaintControls(buffer.Canvas().Handle());
      canvas_.SetHandle(nullptr);
      BitBlt(target, 0, 0, client.right, client.bottom, buffer.Canvas().Handle(), 0, 0, SRCCOPY);
      if (begin) {
        EndPaint(WindowHandle(), &ps);
      }
      m.Result = 0;
      return;
    }
    case WM_SIZE:
      Invalidate();
      break;
    default:
      break;
  }
  TWinControl::WndProc(m);
}

}  // namespace kova
