#include "forms/controls/menus.h"

#include <algorithm>
#include <atomic>

#include "forms/controls/forms.h"

namespace kova {

namespace {
std::atomic<UINT> g_next_command{100};
}

const ClassInfo& TMenuItem::StaticClass() {
  static const ClassInfo info(
      "TMenuItem", &TComponent::StaticClass(),
      PropertyListBuilder<TMenuItem>()
          .String("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
          .Boolean("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked)
          .Boolean("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled)
          .Method<TNotifyEvent>(
              "OnClick", [](const TMenuItem& m) { return m.OnClick; },
              [](TMenuItem& m, TNotifyEvent e) { m.OnClick = std::move(e); })
          .Boolean("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible)
          .Build());
  return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(g_next_command++) {}

TMenuItem::~TMenuItem() {
  Destroying();
  if (parent_ != nullptr) {
    parent_->Remove(this);
  }
  for (TMenuItem* item : items_) {
    item->parent_ = nullptr;
  }
}

void TMenuItem::SetCaption(const WideString& caption) {
  if (caption != caption_) {
    caption_ = caption;
    Changed();
  }
}

void TMenuItem::SetChecked(bool checked) {
  if (checked != checked_) {
    checked_ = checked;
    Changed();
  }
}

void TMenuItem::SetEnabled(bool enabled) {
  if (enabled != enabled_) {
    enabled_ = enabled;
    Changed();
  }
}

void TMenuItem::SetVisible(bool visible) {
  if (visible != visible_) {
    visible_ = visible;
    Changed();
  }
}

void TMenuItem::Add(TMenuItem* item) {
  Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (item == nullptr || item->parent_ != nullptr) {
    throw EFrameworkError("menu item already has a parent");
  }
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
  if (std::erase(items_, item) > 0) {
    item->parent_ = nullptr;
    Changed();
  }
}

void TMenuItem::Click() {
  if (OnClick) {
    OnClick(this);
  }
}

TMenuItem* TMenuItem::Find(UINT command) {
  if (command == command_) {
    return this;
  }
  for (TMenuItem* item : items_) {
    if (TMenuItem* found = item->Find(command)) {
      return found;
    }
  }
  return nullptr;
}

void TMenuItem::Changed() {
  TMenuItem* root = this;
  while (root->parent_ != nullptr) {
    root = root->parent_;
  }
  if (root->menu_ != nullptr) {
    root->menu_->ItemsChanged();
  }
}

const ClassInfo& TMenu::StaticClass() {
  static const ClassInfo info(
      "TMenu", &TComponent::StaticClass(),
      PropertyListBuilder<TMenu>().Object<TMenuItem>("Items", &TMenu::Items).Build());
  return info;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(this)) {
  items_->menu_ = this;
}

TMenu::~TMenu() {
  Destroying();
  items_->menu_ = nullptr;
  DestroyComponents();
}

void TMenu::ItemsChanged() {
  stale_ = true;
  if (OnChange) {
    OnChange(this);
  }
}

void TMenu::Fill(HMENU menu, const TMenuItem& item) {
  for (const TMenuItem* child : item.items_) {
    if (!child->Visible()) {
      continue;
    }
    UINT flags = MF_STRING;
    flags |= child->Checked() ? MF_CHECKED : MF_UNCHECKED;
    flags |= child->Enabled() ? MF_ENABLED : MF_GRAYED;
    if (child->Caption() == u"-") {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else if (child->Count() > 0) {
      UniqueMenu sub(CreatePopupMenu());
      Fill(sub.Get(), *child);
      if (AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub.Get()),
                      AsWin(child->Caption()))) {
        (void)sub.Release();  // the parent menu owns and destroys it from now on
      }
    } else {
      AppendMenuW(menu, flags, child->Command(), AsWin(child->Caption()));
    }
  }
}

HMENU TMenu::Handle() {
  if (stale_ || !handle_) {
    // A menu bar still attached to a window must be detached before it is destroyed.
    if (handle_) {
      for (TForm* form : Screen().Forms()) {
        if (form->HandleAllocated() && GetMenu(form->WindowHandle()) == handle_.Get()) {
          SetMenu(form->WindowHandle(), nullptr);
        }
      }
    }
    handle_.Reset(CreateNativeMenu());
    Fill(handle_.Get(), *items_);
    stale_ = false;
  }
  return handle_.Get();
}

bool TMenu::DispatchCommand(UINT command) {
  if (TMenuItem* item = items_->Find(command); item != nullptr && item != items_) {
    item->Click();
    return true;
  }
  return false;
}

const ClassInfo& TMainMenu::StaticClass() {
  static const ClassInfo info("TMainMenu", &TMenu::StaticClass(), {});
  return info;
}

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

const ClassInfo& TPopupMenu::StaticClass() {
  static const ClassInfo info("TPopupMenu", &TMenu::StaticClass(), {});
  return info;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {
  Screen().AddPopupMenu(this);
}

TPopupMenu::~TPopupMenu() {
  Screen().RemovePopupMenu(this);
}

void TPopupMenu::Popup(int x, int y) {
  HWND owner = GetActiveWindow();
  if (owner == nullptr) {
    owner = Application().Handle();
  }
  const UINT command = static_cast<UINT>(TrackPopupMenu(
      Handle(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN, x, y, 0, owner, nullptr));
  if (command != 0) {
    DispatchCommand(command);
  }
}

}  // namespace kova
