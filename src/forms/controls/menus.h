// Menus over native menus: TMenuItem trees owned by a TMainMenu (a menu bar) or a
// TPopupMenu. Each item has a command id; the form that shows the menu routes
// WM_COMMAND to the item's OnClick.
#pragma once

#include <windows.h>

#include <vector>

#include "forms/classes/component.h"
#include "base/win/handles_win.h"

namespace kova {

class TMenu;

class TMenuItem : public TComponent {
  KOVA_DECLARE_CLASS(TMenuItem)

 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  const WideString& Caption() const { return caption_; }
  void SetCaption(const WideString& caption);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  UINT Command() const { return command_; }

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* GetItem(int index) const { return items_.at(static_cast<size_t>(index)); }
  TMenuItem* Parent() const { return parent_; }
  // Takes the item into this one's sub-items (it stays owned by its owner).
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);

  virtual void Click();
  TNotifyEvent OnClick;

  // The item with the command id among this item and its sub-items, or null.
  TMenuItem* Find(UINT command);

 private:
  friend class TMenu;
  void Changed();

  WideString caption_;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  UINT command_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on the root item
  std::vector<TMenuItem*> items_;
};

class TMenu : public TComponent {
  KOVA_DECLARE_CLASS(TMenu)

 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  // The root item; its sub-items are the menu's entries.
  TMenuItem* Items() const { return items_; }
  // The native menu, rebuilt from the items whenever they have changed.
  HMENU Handle();
  // The native menu as it stands (null before the first Handle()); builds nothing.
  HMENU CurrentHandle() const { return handle_.Get(); }
  bool DispatchCommand(UINT command);

  TNotifyEvent OnChange;

 protected:
  virtual HMENU CreateNativeMenu() const = 0;
  void ItemsChanged();

 private:
  friend class TMenuItem;
  void Fill(HMENU menu, const TMenuItem& item);

  TMenuItem* items_;
  UniqueMenu handle_;
  bool stale_ = true;
};

class TMainMenu : public TMenu {
  KOVA_DECLARE_CLASS(TMainMenu)

 public:
  explicit TMainMenu(TComponent* owner);

 protected:
  HMENU CreateNativeMenu() const override { return CreateMenu(); }
};

class TPopupMenu : public TMenu {
  KOVA_DECLARE_CLASS(TPopupMenu)

 public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;
  // Shows the menu at a screen position and runs the chosen item's OnClick.
  void Popup(int x, int y);

 protected:
  HMENU CreateNativeMenu() const override { return CreatePopupMenu(); }
};

}  // namespace kova
