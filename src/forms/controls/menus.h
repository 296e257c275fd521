// Menus over native menus: TMenuItem trees owned by a TMainMenu (a menu bar) or a
// TPopupMenu. Each item has a command id; the form that shows the menu routes
// WM_COMMAND to the item's OnClick. An owner-drawn menu measures and draws its items
// itself, through the items' handlers when they have any.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "forms/classes/component.h"
#include "base/win/handles_win.h"

namespace kova {

class TMenu;
class TImageList;
struct TMessage;

// A key with its modifiers, as menus show it beside an item's caption.
using TShortCut = uint16_t;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
inline constexpr TShortCut scNone = 0;
inline constexpr TShortCut ShortCut(uint8_t key, TShortCut modifiers) {
  return static_cast<TShortCut>(key | modifiers);
}
// "Ctrl+Shift+F5" and the like; empty for no shortcut.
WideString ShortCutToText(TShortCut shortcut);

// The size an owner-drawn item needs, proposed by the system (width, height in and out).
using TMenuMeasureItemEvent = std::function<void(TObject* sender, HDC dc, int& width, int& height)>;
// Draws an owner-drawn item into its rectangle of the menu window.
using TMenuDrawItemEvent =
    std::function<void(TObject* sender, HDC dc, const RECT& rect, bool selected)>;

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
  bool RadioItem() const { return radio_item_; }
  void SetRadioItem(bool radio);
  // The picture of the menu's image list shown beside the caption; -1 for none.
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int index);
  TShortCut ShortCut() const { return shortcut_; }
  void SetShortCut(TShortCut shortcut);
  UINT Command() const { return command_; }
  // A separator line.
  bool IsLine() const { return caption_ == u"-"; }
  // The native menu of the sub-items (the menu's own for its root item), null before
  // the menu is built and for an item without sub-items.
  HMENU Handle() const { return handle_; }
  // The menu the item belongs to, or null.
  TMenu* GetParentMenu() const;

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* GetItem(int index) const { return items_.at(static_cast<size_t>(index)); }
  TMenuItem* Parent() const { return parent_; }
  // Takes the item into this one's sub-items (it stays owned by its owner).
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);

  virtual void Click();
  TNotifyEvent OnClick;
  // Owner drawing: the handlers when set, else the framework's own look.
  TMenuMeasureItemEvent OnMeasureItem;
  TMenuDrawItemEvent OnDrawItem;
  void MeasureItem(HDC dc, int& width, int& height);
  void DrawItem(HDC dc, const RECT& rect, bool selected);
  // The framework's own measure and look of an owner-drawn item: caption and shortcut in
  // the font selected into `dc`, a column for the menu's images (or the check mark).
  void DefaultMeasureItem(HDC dc, int& width, int& height) const;
  void DefaultDrawItem(HDC dc, const RECT& rect, bool selected) const;

  // The item with the command id among this item and its sub-items, or null.
  TMenuItem* Find(UINT command);

 private:
  friend class TMenu;
  void Changed();

  WideString caption_;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  bool radio_item_ = false;
  int image_index_ = -1;
  TShortCut shortcut_ = scNone;
  UINT command_;
  HMENU handle_ = nullptr;  // owned by the menu's native tree
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
  // The item with the command id, or null (the root item is none of them).
  TMenuItem* FindItem(UINT command) const;

  // Items are drawn by the menu (their handlers or the framework's look), not the system.
  bool OwnerDraw() const { return owner_draw_; }
  void SetOwnerDraw(bool owner_draw);
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);

  TNotifyEvent OnChange;

 protected:
  virtual HMENU CreateNativeMenu() const = 0;
  void ItemsChanged();
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TMenuItem;
  void Fill(HMENU menu, TMenuItem& item);

  TMenuItem* items_;
  UniqueMenu handle_;
  bool stale_ = true;
  bool owner_draw_ = false;
  TImageList* images_ = nullptr;
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
  // Shows the menu at a screen position and runs the chosen item's OnClick. The owner
  // window (the active one when null) measures and draws owner-drawn items.
  void Popup(int x, int y, HWND owner = nullptr);

 protected:
  HMENU CreateNativeMenu() const override { return CreatePopupMenu(); }
};

// WM_MEASUREITEM and WM_DRAWITEM of an owner-drawn menu item: the item of the form's
// main menu (may be null) or of one of the screen's popup menus measures or draws
// itself. Answers whether the message was such an item's.
bool DispatchMenuItemPaint(const TMenu* main_menu, TMessage& message);

}  // namespace kova
