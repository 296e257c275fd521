// The skinned system menu: a copy of the window's system menu whose entries follow the
// window's state, popped up by the icon button, a right click on the caption or
// Alt+Space. A second click within the double-click time closes the window instead.
#include <windows.h>

#include <string>

#include "skin/apply/skin_manage_win.h"
#include "skin/apply/win_skin_form_win.h"

namespace kova {

void TWinSkinForm::CreateSysmenu2() {
  sys_menu_popup_.Reset(CreatePopupMenu());
  HMENU source = GetSystemMenu(handle_, FALSE);
  if (!sys_menu_popup_ || source == nullptr) {
    return;
  }
  const bool normal = window_state_ == SkinWindowState::kNormal;
  const int count = GetMenuItemCount(source);
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
    item.dwTypeData = text;
    item.cch = 255;
    if (!GetMenuItemInfoW(source, static_cast<UINT>(i), TRUE, &item)) {
      continue;
    }
    if (item.fType & MFT_SEPARATOR) {
      AppendMenuW(sys_menu_popup_.Get(), MF_SEPARATOR, 0, nullptr);
      continue;
    }
    bool enabled = !(item.fState & (MFS_DISABLED | MFS_GRAYED));
    switch (item.wID) {
      case SC_RESTORE:
        enabled = !normal;
        break;
      case SC_MOVE:
      case SC_SIZE:
        enabled = normal && (item.wID == SC_MOVE || sizable_);
        break;
      case SC_MINIMIZE:
        enabled = border_icons_.Has(SkinBorderIcon::kMinimize) &&
                  window_state_ != SkinWindowState::kMinimized;
        break;
      case SC_MAXIMIZE:
        enabled = border_icons_.Has(SkinBorderIcon::kMaximize) &&
                  window_state_ != SkinWindowState::kMaximized;
        break;
      default:
        break;
    }
    AppendMenuW(sys_menu_popup_.Get(), MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), item.wID,
                text);
  }
}

void TWinSkinForm::PopSysmenu(POINT screen) {
  TSkinManage* manager = Manager();
  if (manager != nullptr && manager->FParent != nullptr) {
    return;  // the managing module shows it
  }
  const DWORD now = GetTickCount();
  if (!sys_menu_clicked_ || now - last_sys_menu_click_ > double_click_time_) {
    if (manager != nullptr) {
      manager->FMenuKind = SkinMenuKind::kSystem;
    }
    sys_menu_clicked_ = true;
    last_sys_menu_click_ = now;
    CreateSysmenu2();
    if (sys_menu_popup_) {
      busy_ = true;
      // The choice comes back as a command, re-posted as a system command.
      TrackPopupMenu(sys_menu_popup_.Get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, screen.x,
                     screen.y, 0, handle_, nullptr);
      busy_ = false;
    }
    return;
  }
  if (hot_object_ != nullptr) {
    sys_menu_clicked_ = false;
    StopTimer();
    PostMessageW(handle_, WM_CLOSE, 0, 0);
  }
}

}  // namespace kova
