// The skinned frame's geometry on the window: the client area inside the skin's
// borders, hit testing of the caption, the outer size that keeps the client area, and
// the system commands that change the window state.
#include <windows.h>

#include <algorithm>

#include "skin/apply/skin_manage_win.h"
#include "skin/apply/win_skin_form_win.h"

namespace kova {

LRESULT TWinSkinForm::NCCalcSize(WPARAM wparam, LPARAM lparam) {
  Forward(WM_NCCALCSIZE, wparam, lparam);
  if (wparam == 0) {
    return 0;  // the rectangle stays as the system left it
  }
  auto& params = *reinterpret_cast<NCCALCSIZE_PARAMS*>(lparam);
  const bool mdi_child = form_style_ == SkinFormStyle::kMDIChild;
  const bool keep_system_client = (mdi_child && window_state_ != SkinWindowState::kNormal) ||
                                  border_style_ == SkinBorderStyle::kNone ||
                                  params.lppos == nullptr;
  WindowPos proposed;
  if (params.lppos != nullptr) {
    proposed = {params.lppos->x, params.lppos->y, params.lppos->cx, params.lppos->cy};
  }
  const RECT& r0 = params.rgrc[0];
  ImageRect client{r0.left, r0.top, r0.right, r0.bottom};
  ImageRect valid;
  const NcCalcResult answer =
      CalcNonClientSize(true, proposed, Widths(), keep_system_client, client, valid);
  params.rgrc[0] = {client.left, client.top, client.right, client.bottom};
  params.rgrc[1] = {valid.left, valid.top, valid.right, valid.bottom};
  return static_cast<LRESULT>(answer);
}

POINT TWinSkinForm::GetWinXY(POINT screen) const {
  POINT point = screen;
  ScreenToClient(handle_, &point);
  if (form_style_ == SkinFormStyle::kMDIChild && window_state_ == SkinWindowState::kMinimized) {
    return point;
  }
  point.x += border_left_;
  point.y += caption_height_ + menu_height_;
  return point;
}

LRESULT TWinSkinForm::NCHitTest(WPARAM wparam, LPARAM lparam) {
  LRESULT answer = Forward(WM_NCHITTEST, wparam, lparam);
  const POINT point =
      GetWinXY({static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))});
  // The system places caption buttons of its own where the skin draws the title strip;
  // the window shows none of them, so there the strip is caption.
  switch (answer) {
    case HTMINBUTTON:
    case HTMAXBUTTON:
    case HTCLOSE:
    case HTSYSMENU:
    case HTHELP:
      if (point.y < caption_height_) {
        answer = HTCAPTION;
      }
      break;
    default:
      break;
  }
  return static_cast<LRESULT>(
      RefineHitTest(static_cast<NcHit>(answer), {point.x, point.y}, Widths()));
}

void TWinSkinForm::ResizeForm(bool keep_client) {
  if (!IsWindow(handle_)) {
    return;
  }
  const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
  if (window_state_ == SkinWindowState::kMaximized) {
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0, flags | SWP_NOSIZE);
    return;
  }
  int client_width = 0;
  int client_height = 0;
  if (keep_client || message_box_ || state_ == SkinFormState::kChanging || Form() == nullptr) {
    RECT client{};
    GetClientRect(handle_, &client);
    if (state_ == SkinFormState::kResizing) {
      client = client_rect_;  // measured under the system's frame before the skin's
    }
    client_width = client.right - client.left;
    client_height = client.bottom - client.top;
  } else {
    RECT client{};
    GetClientRect(handle_, &client);
    client_width = client.right;
    client_height = client.bottom;
    if (form_style_ != SkinFormStyle::kMDIChild) {
      client_height -= menu_height_;
    }
  }
  int width = client_width + border_left_ + border_right_;
  const int height = client_height + caption_height_ + border_bottom_ + menu_height_;
  if (message_box_) {
    ResizeMessageBox(width, client_width);
  }
  SetWindowPos(handle_, nullptr, 0, 0, width, height, flags);
}

// A message box is as wide as its caption text, its controls staying centred.
void TWinSkinForm::ResizeMessageBox(int& width, int client_width) {
  UniqueWindowDC dc = TakeDC(handle_);
  if (!dc) {
    return;
  }
  const std::u16string text = WindowText();
  const RECT measured = MeasureCaption(dc.Get(), text);
  const TDataSkinTitle* title = skin_data_ != nullptr ? skin_data_->Title.get() : nullptr;
  const int needed = static_cast<int>(measured.right - measured.left) +
                     (title != nullptr ? title->LeftWidth + title->RightWidth : 0);
  if (needed <= width) {
    return;
  }
  const int shift = (needed - width) / 2;
  width = needed;
  (void)client_width;
  for (HWND child = GetWindow(handle_, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r{};
    GetWindowRect(child, &r);
    POINT top_left{r.left, r.top};
    ScreenToClient(handle_, &top_left);
    SetWindowPos(child, nullptr, top_left.x + shift, top_left.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

LRESULT TWinSkinForm::WMSysCommand(WPARAM wparam, LPARAM lparam) {
  const bool mdi_child = form_style_ == SkinFormStyle::kMDIChild;
  if (!busy_) {
    const WPARAM command = wparam & 0xFFF0;
    if (command == SC_KEYMENU && lparam == ' ' && GetCapture() == nullptr) {
      RECT r{};
      GetWindowRect(handle_, &r);
      PopSysmenu({r.left + border_left_, r.top + caption_height_});
      return 1;
    }
    // Alt alone opens the first menu-bar button, Alt with a key the button it is the
    // accelerator of.
    if (command == SC_KEYMENU && GetCapture() == nullptr && MenuBarKey(lparam)) {
      return 0;
    }
    switch (command) {
      case SC_MINIMIZE:
        window_state_ = SkinWindowState::kMinimized;
        break;
      case SC_MAXIMIZE:
        window_state_ = SkinWindowState::kMaximized;
        break;
      case SC_RESTORE:
        window_state_ = SkinWindowState::kNormal;
        if (TSkinManage* manager = Manager(); mdi_child && manager && manager->FMDIMax) {
          manager->SetMDIMax(false);
        }
        break;
      default:
        break;
    }
  }
  return Forward(WM_SYSCOMMAND, wparam, lparam);
}

}  // namespace kova
