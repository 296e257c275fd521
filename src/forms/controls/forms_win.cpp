#include "forms/controls/forms.h"

#include <algorithm>

#include "base/scope_exit.h"
#include "forms/win/platform_boundary_win.h"

namespace kova {

namespace {

const EnumTypeInfo kBorderStyleInfo{
    "TFormBorderStyle",
    {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
const EnumTypeInfo kBorderIconInfo{"TBorderIcon",
                                   {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}};
const EnumTypeInfo kPositionInfo{"TPosition", {"poDesigned", "poDefault", "poScreenCenter"}};
const EnumTypeInfo kWindowStateInfo{"TWindowState", {"wsNormal", "wsMinimized", "wsMaximized"}};

struct DisabledWindows {
  HWND keep;
  std::vector<HWND> windows;
};

BOOL CALLBACK DisableOne(HWND window, LPARAM data) {
  auto* list = reinterpret_cast<DisabledWindows*>(data);
  return RunAtPlatformBoundary([&] {
    if (window != list->keep && IsWindowVisible(window) && IsWindowEnabled(window)) {
      list->windows.push_back(window);
      EnableWindow(window, FALSE);
    }
  });
}

void CollectTabStops(TWinControl* control, std::vector<TWinControl*>& out) {
  for (int i = 0; i < control->ControlCount(); ++i) {
    if (auto* win = dynamic_cast<TWinControl*>(control->Controls(i))) {
      if (win->TabStop() && win->CanFocus()) {
        out.push_back(win);
      }
      CollectTabStops(win, out);
    }
  }
}

}  // namespace

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

TApplication& Application() {
  static TApplication application;
  return application;
}

TForm* TScreen::ActiveForm() const {
  const HWND active = GetActiveWindow();
  for (TForm* form : forms_) {
    if (form->HandleAllocated() && form->WindowHandle() == active) {
      return form;
    }
  }
  return nullptr;
}

void TApplication::ProcessMessages() {
  // A handler that fails stops the pumping; its failure goes on to the caller.
  PlatformCallScope pump;
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    auto* form = dynamic_cast<TForm*>(FindControl(GetAncestor(msg.hwnd, GA_ROOT)));
    if (form == nullptr || !form->PreTranslateMessage(msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    pump.RethrowPending();
  }
}

const ClassInfo& TForm::StaticClass() {
  static const ClassInfo info(
      "TForm", &TCustomControl::StaticClass(),
      PropertyListBuilder<TForm>()
          .Boolean("AlphaBlend", &TForm::AlphaBlend, &TForm::SetAlphaBlend)
          .Integer("AlphaBlendValue", &TForm::AlphaBlendValue, &TForm::SetAlphaBlendValue)
          .Set<TBorderIcon>("BorderIcons", kBorderIconInfo, &TForm::BorderIcons,
                            &TForm::SetBorderIcons)
          .Enum("BorderStyle", kBorderStyleInfo, &TForm::BorderStyle, &TForm::SetBorderStyle)
          .Integer("ClientHeight", &TForm::ClientHeight, &TForm::SetClientHeight)
          .Integer("ClientWidth", &TForm::ClientWidth, &TForm::SetClientWidth)
          .Object<TMainMenu>("Menu", &TForm::Menu, &TForm::SetMenu)
          .Integer("ModalResult", &TForm::ModalResult, &TForm::SetModalResult)
          .Method<TNotifyEvent>(
              "OnShow", [](const TForm& f) { return f.OnShow; },
              [](TForm& f, TNotifyEvent e) { f.OnShow = std::move(e); })
          .Method<TShortCutEvent>(
              "OnShortCut", [](const TForm& f) { return f.OnShortCut; },
              [](TForm& f, TShortCutEvent e) { f.OnShortCut = std::move(e); })
          .Enum("Position", kPositionInfo, &TForm::Position, &TForm::SetPosition)
          .Enum("WindowState", kWindowStateInfo, &TForm::WindowState, &TForm::SetWindowState)
          .Build());
  return info;
}

TForm::TForm(TComponent* owner) : TCustomControl(owner) {
  SetVisible(false);
  Font().SetName(u"Tahoma");
  Font().SetHeight(-11);
  SetBounds(0, 0, 320, 240);
  icon_.OnChange = [this](TObject*) { ApplyIcon(); };
  Screen().AddForm(this);
}

TForm::~TForm() {
  Destroying();
  if (Application().Handle() != nullptr && Application().Handle() == WindowHandle()) {
    Application().SetHandle(nullptr);
  }
  DestroyHandle();
  DestroyComponents();
  Screen().RemoveForm(this);
}

DWORD TForm::Style() const {
  DWORD style = WS_CLIPCHILDREN;
  switch (border_style_) {
    case TFormBorderStyle::bsNone:
      style |= WS_POPUP;
      break;
    case TFormBorderStyle::bsSingle:
    case TFormBorderStyle::bsToolWindow:
      style |= WS_CAPTION | WS_BORDER;
      break;
    case TFormBorderStyle::bsDialog:
      style |= WS_POPUP | WS_CAPTION | DS_MODALFRAME;
      break;
    default:
      style |= WS_CAPTION | WS_THICKFRAME;
      break;
  }
  if (border_style_ != TFormBorderStyle::bsNone) {
    if (border_icons_.Has(TBorderIcon::biSystemMenu)) {
      style |= WS_SYSMENU;
      if (border_style_ != TFormBorderStyle::bsDialog) {
        if (border_icons_.Has(TBorderIcon::biMinimize)) {
          style |= WS_MINIMIZEBOX;
        }
        if (border_icons_.Has(TBorderIcon::biMaximize)) {
          style |= WS_MAXIMIZEBOX;
        }
      }
    }
  }
  return style;
}

DWORD TForm::ExStyle() const {
  DWORD ex = 0;
  if (border_style_ == TFormBorderStyle::bsToolWindow ||
      border_style_ == TFormBorderStyle::bsSizeToolWin) {
    ex |= WS_EX_TOOLWINDOW;
  }
  if (border_style_ == TFormBorderStyle::bsDialog) {
    ex |= WS_EX_DLGMODALFRAME;
  }
  if (alpha_blend_) {
    ex |= WS_EX_LAYERED;
  }
  return ex;
}

void TForm::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.style = Style();
  params.ex_style = ExStyle();
  params.parent = nullptr;
}

void TForm::CreateWindowHandle() {
  ApplyLayered();
  ApplyMenu();
  ApplyIcon();
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == border_style_) {
    return;
  }
  const int cw = ClientWidth();
  const int ch = ClientHeight();
  border_style_ = style;
  if (HandleAllocated()) {
    SetWindowLongPtrW(WindowHandle(), GWL_STYLE,
                      (GetWindowLongPtrW(WindowHandle(), GWL_STYLE) & WS_VISIBLE) | Style());
    SetWindowPos(WindowHandle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
  // The client area keeps its size; the frame changes around it.
  SetClientWidth(cw);
  SetClientHeight(ch);
}

void TForm::SetBorderIcons(TBorderIcons icons) {
  border_icons_ = icons;
  if (HandleAllocated()) {
    SetWindowLongPtrW(WindowHandle(), GWL_STYLE,
                      (GetWindowLongPtrW(WindowHandle(), GWL_STYLE) & WS_VISIBLE) | Style());
  }
}

RECT TForm::ClientRect() const {
  if (HandleAllocated()) {
    return TCustomControl::ClientRect();
  }
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, Style(), menu_ != nullptr, ExStyle());
  return RECT{0, 0, std::max<int>(Width() - (frame.right - frame.left), 0),
              std::max<int>(Height() - (frame.bottom - frame.top), 0)};
}

int TForm::ClientWidth() const {
  return ClientRect().right;
}
int TForm::ClientHeight() const {
  return ClientRect().bottom;
}

void TForm::SetClientWidth(int width) {
  SetWidth(Width() + width - ClientWidth());
}
void TForm::SetClientHeight(int height) {
  SetHeight(Height() + height - ClientHeight());
}

void TForm::SetAlphaBlend(bool on) {
  if (on != alpha_blend_) {
    alpha_blend_ = on;
    ApplyLayered();
  }
}

void TForm::SetAlphaBlendValue(int value) {
  value = std::clamp(value, 0, 255);
  if (value != alpha_value_) {
    alpha_value_ = value;
    ApplyLayered();
  }
}

void TForm::ApplyLayered() {
  if (!HandleAllocated()) {
    return;
  }
  const HWND window = WindowHandle();
  const LONG_PTR ex = GetWindowLongPtrW(window, GWL_EXSTYLE);
  if (alpha_blend_) {
    if ((ex & WS_EX_LAYERED) == 0) {
      SetWindowLongPtrW(window, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    }
    SetLayeredWindowAttributes(window, 0, static_cast<BYTE>(alpha_value_), LWA_ALPHA);
  } else if ((ex & WS_EX_LAYERED) != 0) {
    SetWindowLongPtrW(window, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

void TForm::SetWindowState(TWindowState state) {
  window_state_ = state;
  if (HandleAllocated() && Visible()) {
    ShowWindow(WindowHandle(), state == TWindowState::wsMinimized   ? SW_MINIMIZE
                               : state == TWindowState::wsMaximized ? SW_MAXIMIZE
                                                                    : SW_RESTORE);
  }
}

void TForm::SetMenu(TMainMenu* menu) {
  if (menu == menu_) {
    return;
  }
  if (menu_ != nullptr) {
    menu_->OnChange = nullptr;
    menu_->RemoveFreeNotification(this);
  }
  menu_ = menu;
  if (menu_ != nullptr) {
    menu_->FreeNotification(this);
    menu_->OnChange = [this](TObject*) { ApplyMenu(); };
  }
  ApplyMenu();
}

void TForm::ApplyMenu() {
  if (!HandleAllocated()) {
    return;
  }
  // A borderless form shows no menu bar, but keeps the menu for its shortcuts.
  HMENU native =
      menu_ != nullptr && border_style_ != TFormBorderStyle::bsNone ? menu_->Handle() : nullptr;
  if (GetMenu(WindowHandle()) != native) {
    ::SetMenu(WindowHandle(), native);
  }
  SendMessageW(WindowHandle(), CM_MENUCHANGED, 0, 0);
}

void TForm::ApplyIcon() {
  if (HandleAllocated()) {
    const LPARAM icon = reinterpret_cast<LPARAM>(icon_.Handle());
    SendMessageW(WindowHandle(), WM_SETICON, ICON_BIG, icon);
    SendMessageW(WindowHandle(), WM_SETICON, ICON_SMALL, icon);
  }
}

void TForm::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == menu_) {
    menu_ = nullptr;
    if (HandleAllocated() && !IsDestroying()) {
      ::SetMenu(WindowHandle(), nullptr);
      SendMessageW(WindowHandle(), CM_MENUCHANGED, 0, 0);
    }
  }
}

void TForm::CenterOnScreen() {
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  SetBounds(work.left + (work.right - work.left - Width()) / 2,
            work.top + (work.bottom - work.top - Height()) / 2, Width(), Height());
}

void TForm::SetVisible(bool visible) {
  if (visible && !centred_ && position_ == TPosition::poScreenCenter) {
    centred_ = true;
    CenterOnScreen();
  }
  if (visible) {
    Handle();
  }
  TControl::SetVisible(visible);
  if (HandleAllocated()) {
    if (visible) {
      ShowWindow(WindowHandle(), window_state_ == TWindowState::wsMinimized   ? SW_SHOWMINIMIZED
                                 : window_state_ == TWindowState::wsMaximized ? SW_SHOWMAXIMIZED
                                                                              : SW_SHOW);
    } else {
      ShowWindow(WindowHandle(), SW_HIDE);
    }
  }
}

TModalResult TForm::ShowModal() {
  if (Visible() || modal_) {
    throw EFrameworkError("cannot make a visible window modal");
  }
  const HWND previous_active = GetActiveWindow();
  const HWND window = Handle();
  DisabledWindows disabled{window, {}};
  EnumThreadWindows(GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(&disabled));
  modal_ = true;
  modal_result_ = mrNone;
  // However the loop is left, by its result or by a handler's failure raised below.
  const ScopeExit leave([&] {
    // Enable the others before hiding, so the activation goes back to one of them.
    for (HWND w : disabled.windows) {
      if (IsWindow(w)) {
        EnableWindow(w, TRUE);
      }
    }
    Hide();
    if (previous_active != nullptr && IsWindow(previous_active)) {
      SetActiveWindow(previous_active);
    }
    modal_ = false;
  });
  // A handler that fails while the loop runs ends it, and its failure goes on to the
  // caller of ShowModal.
  PlatformCallScope loop;
  Show();
  SetForegroundWindow(window);
  loop.RethrowPending();
  while (modal_result_ == mrNone) {
    MSG msg;
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) {
        PostQuitMessage(static_cast<int>(msg.wParam));  // leave the quit to the outer loop
      }
      modal_result_ = mrCancel;
      break;
    }
    auto* form = dynamic_cast<TForm*>(FindControl(GetAncestor(msg.hwnd, GA_ROOT)));
    if (form == nullptr || !form->PreTranslateMessage(msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    loop.RethrowPending();
    if (!HandleAllocated()) {
      modal_result_ = mrCancel;  // the window went away under the loop
    }
  }
  return modal_result_;
}

void TForm::Close() {
  TCloseAction action = TCloseAction::caHide;
  if (OnClose) {
    OnClose(this, action);
  }
  if (action == TCloseAction::caNone) {
    return;
  }
  if (modal_) {
    modal_result_ = modal_result_ != mrNone ? modal_result_ : mrCancel;
  } else if (action == TCloseAction::caMinimize) {
    SetWindowState(TWindowState::wsMinimized);
  } else {
    Hide();
  }
}

TWinControl* TForm::ActiveControl() const {
  auto* focused = dynamic_cast<TWinControl*>(FindControl(GetFocus()));
  for (TControl* c = focused; c != nullptr; c = c->Parent()) {
    if (c == this) {
      return focused;
    }
  }
  return nullptr;
}

void TForm::SelectNext(bool forward) {
  std::vector<TWinControl*> stops;
  CollectTabStops(this, stops);
  if (stops.empty()) {
    return;
  }
  const auto it = std::find(stops.begin(), stops.end(), ActiveControl());
  int index = it == stops.end() ? -1 : static_cast<int>(it - stops.begin());
  const int n = static_cast<int>(stops.size());
  index = forward ? (index + 1) % n : (index <= 0 ? n - 1 : index - 1);
  stops[static_cast<size_t>(index)]->SetFocus();
}

bool TForm::PreTranslateMessage(MSG& msg) {
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      if (OnShortCut) {
        bool handled = false;
        OnShortCut(msg, handled);
        if (handled) {
          return true;
        }
      }
      switch (msg.wParam) {
        case VK_TAB:
        case VK_RETURN:
        case VK_ESCAPE:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN: {
          // The focused control may want the key itself (a memo wants Enter).
          if (msg.hwnd != WindowHandle() && FindControl(msg.hwnd) != nullptr &&
              SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, 0) & DLGC_WANTALLKEYS) {
            return false;
          }
          if (SendMessageW(WindowHandle(), CM_DIALOGKEY, msg.wParam, msg.lParam) != 0) {
            return true;
          }
          break;
        }
        default:
          break;
      }
      return false;
    }
    case WM_CHAR:
    case WM_SYSCHAR:
      return SendMessageW(WindowHandle(), CM_DIALOGCHAR, msg.wParam, msg.lParam) != 0;
    default:
      return false;
  }
}

void TForm::Paint() {
  TCustomControl::Paint();
}

void TForm::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_CLOSE:
      Close();
      return;
    case WM_SHOWWINDOW:
      TCustomControl::WndProc(m);
      if (m.WParam != 0 && OnShow) {
        OnShow(this);
      } else if (m.WParam == 0 && OnHide) {
        OnHide(this);
      }
      return;
    case WM_COMMAND:
      if (m.LParam == 0 && HIWORD(m.WParam) == 0) {
        if (menu_ != nullptr && menu_->DispatchCommand(LOWORD(m.WParam))) {
          return;
        }
      }
      break;
    case WM_SIZE:
      window_state_ = m.WParam == SIZE_MINIMIZED   ? TWindowState::wsMinimized
                      : m.WParam == SIZE_MAXIMIZED ? TWindowState::wsMaximized
                                                   : TWindowState::wsNormal;
      break;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      if (DispatchMenuItemPaint(menu_, m)) {
        return;
      }
      break;
    case CM_DIALOGKEY:
      if (m.WParam == VK_TAB) {
        SelectNext(GetKeyState(VK_SHIFT) >= 0);
        m.Result = 1;
        return;
      }
      break;
    case WM_PAINT:
    case WM_PRINTCLIENT:
      if (OnPaintOver) {
        // Paint as usual, then draw over the result (frames around the controls).
        TCustomControl::WndProc(m);
        ScopedGetDC dc(WindowHandle());
        OnPaintOver(m.WParam != 0 ? reinterpret_cast<HDC>(m.WParam) : dc.Get());
        return;
      }
      break;
    default:
      break;
  }
  TCustomControl::WndProc(m);
}

}  // namespace kova
