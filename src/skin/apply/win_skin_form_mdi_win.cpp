// The MDI client of a skinned MDI frame: every message reaches the client's own
// procedure, and around it the frame's skin follows the children (their maximized
// state, the frame's menu while children come and go, the client's scroll bars).
#include <windows.h>

#include <cstdio>
#include <string>

#include "skin/apply/skin_manage_win.h"
#include "skin/apply/skin_messages.h"
#include "skin/apply/win_skin_form_win.h"

namespace kova {

namespace {

// RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW: the frame
// with its menu row and every child, at once.
constexpr UINT kRedrawFrameAndChildren = 0x585;

const std::wstring& ClientPropName() {
  static const std::wstring name = [] {
    wchar_t text[64];
    std::swprintf(text, 64, L"KOVASkinMDIClient%.16llX",
                  static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(myinstance())));
    return std::wstring(text);
  }();
  return name;
}

}  // namespace

void TWinSkinForm::SubclassMDI() {
  if (mdi_client_ == nullptr || mdi_prev_proc_ != nullptr) {
    return;
  }
  saved_menu_update_ = skin_data_ != nullptr && skin_data_->MenuUpdate();
  SetPropW(mdi_client_, ClientPropName().c_str(), this);
  mdi_prev_proc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      mdi_client_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinSkinForm::WinMDIProc)));
}

void TWinSkinForm::UnSubclassMDI() {
  if (mdi_prev_proc_ == nullptr) {
    return;
  }
  if (IsWindow(mdi_client_)) {
    // Only our own procedure is taken away; one installed over it stays.
    if (GetWindowLongPtrW(mdi_client_, GWLP_WNDPROC) ==
        reinterpret_cast<LONG_PTR>(&TWinSkinForm::WinMDIProc)) {
      SetWindowLongPtrW(mdi_client_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(mdi_prev_proc_));
      RemovePropW(mdi_client_, ClientPropName().c_str());
      mdi_prev_proc_ = nullptr;
    }
  } else {
    mdi_prev_proc_ = nullptr;
  }
}

LRESULT CALLBACK TWinSkinForm::WinMDIProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* self = static_cast<TWinSkinForm*>(GetPropW(wnd, ClientPropName().c_str()));
  if (self == nullptr || self->mdi_prev_proc_ == nullptr) {
    return DefWindowProcW(wnd, msg, wparam, lparam);
  }
  return self->MDIClientMessage(msg, wparam, lparam);
}

LRESULT TWinSkinForm::MDIClientMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  const WNDPROC prev = mdi_prev_proc_;
  HWND client = mdi_client_;
  auto default_mdi = [&] { return CallWindowProcW(prev, client, msg, wparam, lparam); };
  if (msg == WM_NCDESTROY) {
    const LRESULT result = default_mdi();
    mdi_prev_proc_ = nullptr;
    RemovePropW(client, ClientPropName().c_str());
    SetWindowLongPtrW(client, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(prev));
    return result;
  }
  if (!skin_frame_) {
    return default_mdi();
  }
  TSkinManage* manager = Manager();
  switch (msg) {
    case WM_NCCALCSIZE:
      // The skinned frame scrolls its children itself unless the skin keeps the bars.
      if (skin_data_ == nullptr || !skin_data_->Options().Has(TSkinOption::xoMDIScrollbar)) {
        const LONG_PTR style = GetWindowLongPtrW(client, GWL_STYLE);
        if (style & (WS_HSCROLL | WS_VSCROLL)) {
          SetWindowLongPtrW(client, GWL_STYLE,
                            style & ~static_cast<LONG_PTR>(WS_HSCROLL | WS_VSCROLL));
        }
      }
      return default_mdi();
    case WM_MDICREATE:
      if (skin_data_ != nullptr) {
        skin_data_->SetMenuUpdate(false);
      }
      return default_mdi();
    case WM_MDIDESTROY: {
      const LRESULT result = default_mdi();
      BOOL maximized = FALSE;
      HWND active = reinterpret_cast<HWND>(
          SendMessageW(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
      if (manager != nullptr) {
        manager->SetMDIMax(active != nullptr && maximized != FALSE);
      }
      if (active == nullptr) {
        if (skin_data_ != nullptr) {
          skin_data_->SetMenuUpdate(saved_menu_update_);
        }
        TakeChangedNativeMenu(skin_data_ == nullptr || skin_data_->MenuUpdate());
        RePaint();
      }
      return result;
    }
    case WM_MDITILE:
    case WM_MDICASCADE:
      if (manager != nullptr && manager->FMDIMax) {
        manager->SetMDIMax(false);
      }
      return default_mdi();
    case WM_MDISETMENU: {
      const LRESULT result = default_mdi();
      TakeChangedNativeMenu(/*to_bar=*/wparam != 0);
      return result;
    }
    default:
      break;
  }
  if (msg == kMsgMdiMaximized) {
    RedrawWindow(handle_, nullptr, nullptr, kRedrawFrameAndChildren);
    return 0;
  }
  return default_mdi();
}

}  // namespace kova
