// The skinned system menu: a framework copy of the window's system menu whose entries
// follow the window's state and are drawn by the skin like every other menu item,
// popped up by the icon button, a right click on the caption or Alt+Space. A second
// click within the double-click time closes the window instead.
#include <windows.h>

#include <memory>

#include "skin/apply/skin_manage_win.h"
#include "skin/apply/win_skin_form_win.h"

namespace kova {

void TWinSkinForm::CreateSysmenu2() {
  sys_menu_popup_.reset();
  HMENU source = GetSystemMenu(handle_, FALSE);
  if (source == nullptr) {
    return;
  }
  auto popup = std::make_unique<TPopupMenu>(nullptr);
  const bool normal = window_state_ == SkinWindowState::kNormal;
  const int count = GetMenuItemCount(source);
  for (int i = 0; i < count; ++i) {
    TMenuItem* item = CreateMenuItem(source, i, popup.get());
    if (item == nullptr) {
      continue;
    }
    const UINT id = GetMenuItemID(source, i);
    // The entries follow the window's state as the skin shows it.
    switch (id) {
      case SC_RESTORE:
        item->SetEnabled(!normal);
        break;
      case SC_MOVE:
      case SC_SIZE:
        item->SetEnabled(normal && (id == SC_MOVE || sizable_));
        break;
      case SC_MINIMIZE:
        item->SetEnabled(border_icons_.Has(SkinBorderIcon::kMinimize) &&
                         window_state_ != SkinWindowState::kMinimized);
        break;
      case SC_MAXIMIZE:
        item->SetEnabled(border_icons_.Has(SkinBorderIcon::kMaximize) &&
                         window_state_ != SkinWindowState::kMaximized);
        break;
      default:
        break;
    }
    // The choice comes back as a command, which the entry re-posts as a system command.
    if (!item->IsLine()) {
      HWND wnd = handle_;
      item->OnClick = [wnd, id](TObject*) { PostMessageW(wnd, WM_COMMAND, id, 0); };
    }
    popup->Items()->Add(item);
  }
  popup->SetOwnerDraw(true);
  sys_menu_popup_ = std::move(popup);
  InitToolbarMenu(sys_menu_popup_->Items(), skin_data_);
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
    if (sys_menu_popup_ != nullptr) {
      busy_ = true;
      // This window measures and draws the items, with the skin's item drawing.
      sys_menu_popup_->Popup(screen.x, screen.y, handle_);
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
