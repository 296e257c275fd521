// The entry's window procedure in its three stages: the engine's own messages, the
// messages of a skinned frame, and the non-client messages it draws and answers itself.
#include <windows.h>

#include "forms/controls/messages.h"
#include "skin/apply/skin_manage_win.h"
#include "skin/apply/skin_messages.h"
#include "skin/apply/win_skin_form_win.h"

namespace kova {

namespace {

// The system asks a window to draw its own caption with this; a skinned one has none.
constexpr UINT kMsgSystemCaptionRedraw = 0x00AE;

bool IsSystemMenuCommand(WPARAM id) {
  switch (id) {
    case SC_SIZE:
    case SC_MOVE:
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
    case SC_CLOSE:
    case SC_RESTORE:
      return true;
    default:
      return false;
  }
}

}  // namespace

LRESULT TWinSkinForm::Dispatch(UINT msg, WPARAM wparam, LPARAM lparam) {
  const bool mdi_child = form_style_ == SkinFormStyle::kMDIChild;
  // The system's first frame paint comes before the set-up; the skin paints once ready.
  if (state_ == SkinFormState::kNew && msg == WM_NCPAINT) {
    return 0;
  }
  switch (msg) {
    case kMsgIsSkinned:
      return 1;
    case kMsgFinishSetup:
      FinishSetup();
      return 0;
    case kMsgControlRecreated:
      if (controls_ != nullptr) {
        controls_->ReCreateWnd(reinterpret_cast<HWND>(wparam));
      }
      return 0;
    case WM_NCDESTROY: {
      state_ = SkinFormState::kRemoving;
      StopTimer();
      const WNDPROC prev = prev_proc_;
      UnSubclass3();
      forward_.forwarded = true;
      const LRESULT result = CallWindowProcW(prev, handle_, msg, wparam, lparam);
      state_ = SkinFormState::kDeleted;
      return result;
    }
    case kMsgSystemCaptionRedraw:
      return 0;
    case WM_INITMENUPOPUP:
      if (TSkinManage* manager = Manager()) {
        manager->FMenuKind = reinterpret_cast<HMENU>(wparam) == system_menu_
                                 ? SkinMenuKind::kSystem
                                 : SkinMenuKind::kMenuBar;
        // A framework popup menu's window is marked as such when it is made.
        manager->FindPopupMenu(reinterpret_cast<HMENU>(wparam));
      }
      if (skin_frame_ && reinterpret_cast<HMENU>(wparam) != system_menu_) {
        WMINITMENU(reinterpret_cast<HMENU>(wparam));
      }
      return Forward(msg, wparam, lparam);
    case WM_MEASUREITEM:
      if (wparam == 0 && lparam != 0 &&
          WMMEASUREITEM(*reinterpret_cast<MEASUREITEMSTRUCT*>(lparam))) {
        return TRUE;
      }
      return Forward(msg, wparam, lparam);
    case WM_DRAWITEM:
      if (wparam == 0 && lparam != 0 && WMDRAWITEM(*reinterpret_cast<DRAWITEMSTRUCT*>(lparam))) {
        return TRUE;
      }
      return Forward(msg, wparam, lparam);
    case WM_NCACTIVATE:
      if (state_ == SkinFormState::kNew && !mdi_child) {
        return 0;
      }
      break;
    default:
      break;
  }
  if (!skin_frame_) {
    return Forward(msg, wparam, lparam);
  }
  return FrameMessage(msg, wparam, lparam);
}

LRESULT TWinSkinForm::FrameMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  const bool mdi_child = form_style_ == SkinFormStyle::kMDIChild;
  // Windows nested in another keep the system's handling.
  if (child_ && !mdi_child) {
    return Forward(msg, wparam, lparam);
  }
  switch (msg) {
    case WM_COMMAND:
      // The skinned system menu sends its choices as commands.
      if (HIWORD(wparam) == 0 && LOWORD(wparam) < 0xFF00 && IsSystemMenuCommand(LOWORD(wparam))) {
        PostMessageW(handle_, WM_SYSCOMMAND, LOWORD(wparam), 0);
        return 0;
      }
      return Forward(msg, wparam, lparam);
    case WM_SIZE: {
      const LRESULT result = Forward(msg, wparam, lparam);
      if (wparam == SIZE_RESTORED) {
        window_state_ = SkinWindowState::kNormal;
      } else if (wparam == SIZE_MINIMIZED) {
        window_state_ = SkinWindowState::kMinimized;
      } else if (wparam == SIZE_MAXIMIZED) {
        window_state_ = SkinWindowState::kMaximized;
      }
      if (window_state_ == SkinWindowState::kMinimized) {
        return result;
      }
      if (mdi_child) {
        TSkinManage* manager = Manager();
        if ((manager != nullptr && manager->FMDIMax) || window_state_ != SkinWindowState::kNormal) {
          return result;  // SetMDIMax gives the regions back when the children restore
        }
      }
      if (state_ == SkinFormState::kReady || state_ == SkinFormState::kChanging) {
        Cropwindow();
      }
      return result;
    }
    case WM_WINDOWPOSCHANGED:
    case WM_GETMINMAXINFO: {
      const LRESULT result = Forward(msg, wparam, lparam);
      ReadWindowState();
      return result;
    }
    case WM_ACTIVATE:
      active_ = LOWORD(wparam) != WA_INACTIVE;
      break;
    case WM_NCACTIVATE:
      active_ = wparam != 0;
      break;
    case WM_SETICON: {
      const LRESULT result = Forward(msg, wparam, lparam);
      FetchIcon();
      return result;
    }
    case WM_SETTEXT: {
      // The system draws its own caption with the new text; the skin's goes over it
      // (a framework form's message method does that itself).
      const LRESULT result = Forward(msg, wparam, lparam);
      if (hooked_form_ == nullptr && state_ == SkinFormState::kReady && IsWindowVisible(handle_)) {
        UpdateNc();
      }
      return result;
    }
    case WM_SYSCOMMAND:
      return WMSysCommand(wparam, lparam);
    case kMsgMenuBarSelect:
      MenuSelect(lparam);
      return 0;
    case CM_MENUCHANGED: {
      // The framework put its menu back on the window: it moves into the skin's row.
      const LRESULT result = Forward(msg, wparam, lparam);
      TakeChangedNativeMenu(skin_data_ == nullptr || skin_data_->MenuUpdate());
      return result;
    }
    default:
      break;
  }
  LRESULT result = 0;
  const bool maximized_mdi_child = mdi_child && window_state_ == SkinWindowState::kMaximized;
  if (!maximized_mdi_child && state_ != SkinFormState::kNew &&
      NonClientMessage(msg, wparam, lparam, result)) {
    return result;
  }
  return Forward(msg, wparam, lparam);
}

bool TWinSkinForm::NonClientMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  switch (msg) {
    case WM_NCACTIVATE:
      result = NCActivate(wparam, lparam);
      return true;
    case WM_NCCALCSIZE:
      result = NCCalcSize(wparam, lparam);
      return true;
    case WM_NCHITTEST:
      result = NCHitTest(wparam, lparam);
      return true;
    case WM_NCPAINT:
    case kMsgRepaintFrame:
      UpdateNc();
      result = 0;
      return true;
    case WM_NCMOUSEMOVE:
      result = 0;
      return NCMouseMove(lparam);
    case WM_NCLBUTTONDOWN: {
      if (NCLButtonDown(wparam, lparam)) {
        result = 0;
        return true;
      }
      // A press on the caption of a maximized window may have become a menu press.
      result = Forward(msg, wparam, lparam);
      return true;
    }
    case WM_NCLBUTTONUP:
      result = 0;
      return NCLButtonUp(lparam);
    case WM_NCLBUTTONDBLCLK:
      result = 0;
      return NCLButtonDblClk(lparam);
    case WM_NCRBUTTONDOWN:
      result = 0;
      return NCRButtonDown(wparam, lparam);
    default:
      return false;
  }
}

LRESULT TWinSkinForm::NCActivate(WPARAM wparam, LPARAM lparam) {
  active_ = wparam != 0;
  if (active_) {
    StartTimer();
  } else {
    StopTimer();
    if (hot_object_ != nullptr) {
      hot_object_->MouseLeave();
      hot_object_ = nullptr;
    }
  }
  if (form_style_ == SkinFormStyle::kMDIFrame && mdi_client_ != nullptr) {
    SendMessageW(mdi_client_, WM_NCACTIVATE, wparam, lparam);
  }
  if (form_style_ == SkinFormStyle::kMDIChild) {
    Forward(WM_NCACTIVATE, wparam, lparam);
  }
  UpdateNc();
  return 1;
}

}  // namespace kova
