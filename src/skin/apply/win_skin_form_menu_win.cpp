// The window's menu while its frame is skinned: the skin draws the menu bar in a row of
// its own frame, so the system's menu bar is taken off the window and given back when
// the skin goes. The skinned menu bar reads the menu as it is taken off.
#include <windows.h>

#include "skin/apply/win_skin_form_win.h"
#include "skin/apply/win_skin_menu_win.h"

namespace kova {

void TWinSkinForm::TakeNativeMenu() {
  // A window without a frame has no row to show the bar in: its menu stays native.
  if (form_style_ == SkinFormStyle::kMDIChild || border_style_ == SkinBorderStyle::kNone) {
    return;
  }
  menu_ = GetMenu(handle_);
  if (menu_ == nullptr) {
    return;
  }
  menu_height_ = GetSystemMetrics(SM_CYMENU);
  MenuBarTakeMenu(menu_);
  SetMenu(handle_, nullptr);
}

void TWinSkinForm::TakeChangedNativeMenu(bool to_bar) {
  HMENU menu = GetMenu(handle_);
  if (menu == nullptr || form_style_ == SkinFormStyle::kMDIChild ||
      border_style_ == SkinBorderStyle::kNone) {
    return;
  }
  // The newest menu is the one the window gets back.
  menu_ = menu;
  if (to_bar) {
    MenuBarTakeMenu(menu);
  }
  SetMenu(handle_, nullptr);
  if (menu_height_ == 0) {
    menu_height_ = GetSystemMetrics(SM_CYMENU);
    Refresh();
  }
}

void TWinSkinForm::GiveBackNativeMenu() {
  if (menu_ != nullptr && IsWindow(handle_) && GetMenu(handle_) == nullptr && IsMenu(menu_)) {
    SetMenu(handle_, menu_);
  }
  menu_ = nullptr;
}

bool TWinSkinForm::MenuBarDialogChar(TMessage& message) {
  // Alt with a letter opens the bar's button of that accelerator, as the system's bar
  // would; other characters stay with the form's controls.
  constexpr LPARAM kAltDown = LPARAM{1} << 29;  // the key's context code
  if ((message.LParam & kAltDown) == 0 || !MenuBarKey(message.WParam)) {
    return false;
  }
  message.Result = 1;
  return true;
}

void TWinSkinForm::MenuBarTakeMenu(HMENU) {
  // The skinned bar reads its buttons while the window still carries the menu.
  if (skin_menu_ == nullptr) {
    skin_menu_ = std::make_unique<TWinSkinMenu>(*this);
  }
  if (dynamic_cast<TMenuBtn*>(hot_object_) != nullptr) {
    hot_object_ = nullptr;  // the buttons are made anew
  }
  if (!skin_menu_->UpdataBtn(handle_, FrameworkMainMenu())) {
    skin_menu_.reset();
  }
}

}  // namespace kova
