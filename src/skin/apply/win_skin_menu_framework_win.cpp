// Framework menus of a skinned window: their items get the entry's measure and draw
// handlers, so the skin draws them wherever the framework shows them, and get their own
// handlers back when the skin goes. Native items become framework items for the
// skinned system menu.
#include <windows.h>

#include <algorithm>
#include <string>

#include "forms/controls/forms.h"
#include "skin/apply/win_skin_form_win.h"

namespace kova {

namespace {

std::u16string NativeItemText(HMENU menu, int index) {
  wchar_t buffer[256] = {};
  const int n = GetMenuStringW(menu, static_cast<UINT>(index), buffer, 255, MF_BYPOSITION);
  return std::u16string(reinterpret_cast<const char16_t*>(buffer),
                        static_cast<size_t>(std::max(n, 0)));
}

// The popup menus `control` owns, and with `children` those of the components it owns.
void CollectPopupMenus(const TComponent& control, bool children, std::vector<TPopupMenu*>& out) {
  for (TComponent* component : control.Components()) {
    if (auto* popup = dynamic_cast<TPopupMenu*>(component)) {
      out.push_back(popup);
    } else if (children) {
      CollectPopupMenus(*component, true, out);
    }
  }
}

}  // namespace

void TWinSkinForm::InitMainMenu(TComponent* control, TSkinData* data, bool children) {
  const auto* form = dynamic_cast<TForm*>(control);
  if (form == nullptr || form->Menu() == nullptr) {
    return;
  }
  TMenuItem* root = form->Menu()->Items();
  for (int i = 0; i < root->Count(); ++i) {
    if (children) {
      InitToolbarMenu(root->GetItem(i), data);
    } else {
      GiveSkinHandlers(*root->GetItem(i));  // only the bar's own items
    }
  }
}

void TWinSkinForm::InitPopMenu(TComponent* control, TSkinData* data, bool children) {
  if (control == nullptr) {
    return;
  }
  std::vector<TPopupMenu*> popups;
  CollectPopupMenus(*control, children, popups);
  for (TPopupMenu* popup : popups) {
    const bool known = std::any_of(framework_popups_.begin(), framework_popups_.end(),
                                   [popup](const FrameworkPopup& p) { return p.menu == popup; });
    if (!known) {
      framework_popups_.push_back({popup, popup->OwnerDraw()});
      FreeNotification(popup);
      popup->SetOwnerDraw(true);
    }
    TMenuItem* root = popup->Items();
    for (int i = 0; i < root->Count(); ++i) {
      InitToolbarMenu(root->GetItem(i), data);
    }
  }
}

void TWinSkinForm::InitToolbarMenu(TMenuItem* item, TSkinData* data) {
  if (item == nullptr) {
    return;
  }
  (void)data;  // the handlers read the entry's skin when they run
  GiveSkinHandlers(*item);
  for (int i = 0; i < item->Count(); ++i) {
    InitToolbarMenu(item->GetItem(i), data);
  }
}

void TWinSkinForm::GiveSkinHandlers(TMenuItem& item) {
  if (HasSkinHandlers(item)) {
    return;
  }
  framework_items_.push_back({&item, item.OnMeasureItem, item.OnDrawItem});
  FreeNotification(&item);
  item.OnMeasureItem = [this](TObject* sender, HDC dc, int& width, int& height) {
    MeasureItem(*static_cast<TMenuItem*>(sender), dc, width, height);
  };
  item.OnDrawItem = [this](TObject* sender, HDC dc, const RECT& rect, bool selected) {
    DrawMenuItem(*static_cast<TMenuItem*>(sender), dc, rect, selected);
  };
}

bool TWinSkinForm::HasSkinHandlers(const TMenuItem& item) const {
  return std::any_of(framework_items_.begin(), framework_items_.end(),
                     [&item](const FrameworkItem& f) { return f.item == &item; });
}

void TWinSkinForm::RestoreFrameworkMenus() {
  std::vector<FrameworkItem> items;
  items.swap(framework_items_);
  for (FrameworkItem& f : items) {
    f.item->OnMeasureItem = std::move(f.measure);
    f.item->OnDrawItem = std::move(f.draw);
    RemoveFreeNotification(f.item);
  }
  std::vector<FrameworkPopup> popups;
  popups.swap(framework_popups_);
  for (const FrameworkPopup& p : popups) {
    p.menu->SetOwnerDraw(p.owner_draw);
    RemoveFreeNotification(p.menu);
  }
}

void TWinSkinForm::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) {
    return;
  }
  std::erase_if(framework_items_,
                [component](const FrameworkItem& f) { return f.item == component; });
  std::erase_if(framework_popups_,
                [component](const FrameworkPopup& p) { return p.menu == component; });
}

TMenuItem* TWinSkinForm::CreateMenuItem(HMENU menu, int index, TComponent* owner) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STATE | MIIM_FTYPE | MIIM_SUBMENU;
  if (!GetMenuItemInfoW(menu, static_cast<UINT>(index), TRUE, &info)) {
    return nullptr;
  }
  auto* item = new TMenuItem(owner);
  std::u16string caption =
      (info.fType & MFT_SEPARATOR) ? std::u16string() : NativeItemText(menu, index);
  // The shortcut the native caption shows after a tab stays part of the caption.
  item->SetCaption(caption.empty() ? WideString(u"-") : WideString(caption));
  item->SetEnabled(!(info.fState & (MFS_GRAYED | MFS_DISABLED)));
  item->SetChecked((info.fState & MFS_CHECKED) != 0);
  item->SetRadioItem((info.fType & MFT_RADIOCHECK) != 0);
  if (info.hSubMenu != nullptr) {
    const int count = GetMenuItemCount(info.hSubMenu);
    for (int i = 0; i < count; ++i) {
      if (TMenuItem* sub = CreateMenuItem(info.hSubMenu, i, owner)) {
        item->Add(sub);
      }
    }
  }
  return item;
}

}  // namespace kova
