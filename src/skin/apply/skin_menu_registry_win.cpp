// The manager's popup-menu windows.
#include <algorithm>

#include "skin/apply/skin_manage_win.h"
#include "skin/apply/skin_messages.h"

namespace kova {

namespace {

bool SkinsMenuKind(const TSkinControlTypes controls, SkinMenuKind kind) {
  switch (kind) {
    case SkinMenuKind::kPopup:
      return controls.Has(TSkinControlType::xcPopupMenu);
    case SkinMenuKind::kMenuBar:
      return controls.Has(TSkinControlType::xcMainMenu) ||
             controls.Has(TSkinControlType::xcMenuItem);
    case SkinMenuKind::kSystem:
      return controls.Has(TSkinControlType::xcSystemMenu);
  }
  return false;
}

}  // namespace

bool TSkinManage::FindSkinMenu(HWND wnd) const {
  const auto& menus = registries_->menus;
  return std::any_of(menus.begin(), menus.end(),
                     [wnd](const auto& menu) { return menu->Handle() == wnd; });
}

void TSkinManage::AddMenu(HWND wnd) {
  if (!FActive || SendMessageW(wnd, kMsgIsSkinned, 0, 0) == 1 || FindSkinMenu(wnd)) {
    return;
  }
  TSkinData* data = FindSkindata(wnd, GetWindowClassname(wnd));
  if (data == nullptr || data->Empty() || !SkinsMenuKind(data->SkinControls(), FMenuKind)) {
    return;
  }
  auto menu = std::make_unique<TWinSkinPopMenu>();
  menu->InitSkin(wnd, data);
  if (FPopupPending) {
    menu->SetFrameworkPopup(true);
  }
  registries_->menus.push_back(std::move(menu));
}

bool TSkinManage::DeleteMenu(HWND wnd) {
  auto& menus = registries_->menus;
  auto it = std::find_if(menus.begin(), menus.end(),
                         [wnd](const auto& menu) { return menu->Handle() == wnd; });
  const bool found = it != menus.end();
  if (found) {
    (*it)->UnSubClass();
    menus.erase(it);
  }
  if (menus.empty()) {
    FMenuKind = SkinMenuKind::kPopup;
    FPopupPending = false;
  }
  return found;
}

void TSkinManage::FindPopupMenu(HMENU menu) {
  if (menu == nullptr) {
    return;
  }
  // Only menus that exist can be opening; asking must not build any.
  for (const TPopupMenu* popup : Screen().PopupMenus()) {
    if (popup->CurrentHandle() == menu) {
      FPopupPending = true;
      return;
    }
  }
}

void TSkinManage::SetPopMenu() {
  for (auto& menu : registries_->menus) {
    menu->SetFrameworkPopup(true);
  }
}

void TSkinManage::SetHMenu(HMENU menu) {
  auto& menus = registries_->menus;
  for (auto it = menus.rbegin(); it != menus.rend(); ++it) {
    if ((*it)->Menu() == nullptr) {
      (*it)->SetMenu(menu);
      return;
    }
  }
}

const TBitmap* TSkinManage::GetMenuBg(HMENU menu) const {
  for (const auto& popup : registries_->menus) {
    if (popup->Menu() == menu) {
      return popup->Background();
    }
  }
  return nullptr;
}

void TSkinManage::DeleteAllMenus() {
  registries_->menus.clear();
}

}  // namespace kova
