#include "forms/controls/menus.h"

#include <algorithm>
#include <atomic>

#include "forms/controls/forms.h"
#include "forms/controls/messages.h"
#include "forms/graphics/image_list.h"

namespace kova {

namespace {

std::atomic<UINT> g_next_command{100};

// The check column when the menu has no images, the gaps around the text and the room
// kept right of the shortcut for a submenu arrow.
constexpr int kCheckColumn = 16;
constexpr int kColumnLeft = 2;
constexpr int kTextGap = 6;
constexpr int kShortcutGap = 16;
constexpr int kArrowColumn = 16;
constexpr int kSeparatorHeight = 8;

// What the native menu shows: the caption and, after a tab, the shortcut.
WideString NativeCaption(const TMenuItem& item) {
  WideString text = item.Caption();
  if (item.ShortCut() != scNone) {
    text += u'\t';
    text += ShortCutToText(item.ShortCut());
  }
  return text;
}

int ImageColumn(const TMenuItem& item) {
  const TMenu* menu = item.GetParentMenu();
  const TImageList* images = menu != nullptr ? menu->Images() : nullptr;
  return images != nullptr ? std::max(images->Width(), kCheckColumn) : kCheckColumn;
}

SIZE TextSize(HDC dc, const WideString& text) {
  RECT r{0, 0, 0, 0};
  if (!text.empty()) {
    DrawTextW(dc, AsWin(text), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_CALCRECT);
  }
  return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

WideString ShortCutToText(TShortCut shortcut) {
  const uint8_t key = static_cast<uint8_t>(shortcut & 0xFF);
  if (key == 0) {
    return {};
  }
  WideString text;
  if (shortcut & scCtrl) {
    text += u"Ctrl+";
  }
  if (shortcut & scShift) {
    text += u"Shift+";
  }
  if (shortcut & scAlt) {
    text += u"Alt+";
  }
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
    text += static_cast<char16_t>(key);
  } else if (key >= VK_F1 && key <= VK_F24) {
    text += u'F';
    const int n = key - VK_F1 + 1;
    if (n >= 10) {
      text += static_cast<char16_t>(u'0' + n / 10);
    }
    text += static_cast<char16_t>(u'0' + n % 10);
  } else {
    struct Named {
      uint8_t key;
      const char16_t* name;
    };
    static constexpr Named kNames[] = {
        {VK_BACK, u"BkSp"},   {VK_TAB, u"Tab"},    {VK_RETURN, u"Enter"}, {VK_ESCAPE, u"Esc"},
        {VK_SPACE, u"Space"}, {VK_PRIOR, u"PgUp"}, {VK_NEXT, u"PgDn"},    {VK_END, u"End"},
        {VK_HOME, u"Home"},   {VK_LEFT, u"Left"},  {VK_UP, u"Up"},        {VK_RIGHT, u"Right"},
        {VK_DOWN, u"Down"},   {VK_INSERT, u"Ins"}, {VK_DELETE, u"Del"}};
    const auto* named = std::find_if(std::begin(kNames), std::end(kNames),
                                     [key](const Named& n) { return n.key == key; });
    if (named == std::end(kNames)) {
      return {};
    }
    text += named->name;
  }
  return text;
}

const ClassInfo& TMenuItem::StaticClass() {
  static const ClassInfo info(
      "TMenuItem", &TComponent::StaticClass(),
      PropertyListBuilder<TMenuItem>()
          .String("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
          .Boolean("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked)
          .Boolean("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled)
          .Integer("ImageIndex", &TMenuItem::ImageIndex,
                   [](TMenuItem& m, int64_t v) { m.SetImageIndex(static_cast<int>(v)); })
          .Method<TNotifyEvent>(
              "OnClick", [](const TMenuItem& m) { return m.OnClick; },
              [](TMenuItem& m, TNotifyEvent e) { m.OnClick = std::move(e); })
          .Boolean("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem)
          .Integer("ShortCut", &TMenuItem::ShortCut,
                   [](TMenuItem& m, int64_t v) { m.SetShortCut(static_cast<TShortCut>(v)); })
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

void TMenuItem::SetRadioItem(bool radio) {
  if (radio != radio_item_) {
    radio_item_ = radio;
    Changed();
  }
}

void TMenuItem::SetImageIndex(int index) {
  if (index != image_index_) {
    image_index_ = index;
    Changed();
  }
}

void TMenuItem::SetShortCut(TShortCut shortcut) {
  if (shortcut != shortcut_) {
    shortcut_ = shortcut;
    Changed();
  }
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_ != nullptr) {
    root = root->parent_;
  }
  return root->menu_;
}

void TMenuItem::MeasureItem(HDC dc, int& width, int& height) {
  if (OnMeasureItem) {
    OnMeasureItem(this, dc, width, height);
  } else {
    DefaultMeasureItem(dc, width, height);
  }
}

void TMenuItem::DrawItem(HDC dc, const RECT& rect, bool selected) {
  if (OnDrawItem) {
    OnDrawItem(this, dc, rect, selected);
  } else {
    DefaultDrawItem(dc, rect, selected);
  }
}

void TMenuItem::DefaultMeasureItem(HDC dc, int& width, int& height) const {
  if (IsLine()) {
    width = 0;
    height = kSeparatorHeight;
    return;
  }
  const SIZE text = TextSize(dc, caption_);
  int w = kColumnLeft + ImageColumn(*this) + kTextGap + text.cx + kArrowColumn;
  if (shortcut_ != scNone) {
    w += kShortcutGap + TextSize(dc, ShortCutToText(shortcut_)).cx;
  }
  const TMenu* menu = GetParentMenu();
  const int image_height =
      menu != nullptr && menu->Images() != nullptr ? menu->Images()->Height() : kCheckColumn;
  width = w;
  height = std::max({height, static_cast<int>(text.cy), image_height}) + 4;
}

void TMenuItem::DefaultDrawItem(HDC dc, const RECT& rect, bool selected) const {
  const bool highlight = selected && !IsLine();
  FillRect(dc, &rect, GetSysColorBrush(highlight ? COLOR_HIGHLIGHT : COLOR_MENU));
  if (IsLine()) {
    RECT line{rect.left + kColumnLeft, (rect.top + rect.bottom) / 2, rect.right - kColumnLeft,
              (rect.top + rect.bottom) / 2 + 1};
    FillRect(dc, &line, GetSysColorBrush(COLOR_BTNSHADOW));
    return;
  }
  const int column = ImageColumn(*this);
  const RECT box{rect.left + kColumnLeft, rect.top, rect.left + kColumnLeft + column, rect.bottom};
  const TMenu* menu = GetParentMenu();
  if (menu != nullptr && menu->Images() != nullptr && image_index_ >= 0) {
    const TImageList& images = *menu->Images();
    images.Draw(dc, box.left, (box.top + box.bottom - images.Height()) / 2, image_index_);
  } else if (checked_) {
    RECT mark{box.left, (box.top + box.bottom - kCheckColumn) / 2, box.left + kCheckColumn,
              (box.top + box.bottom + kCheckColumn) / 2};
    DrawFrameControl(dc, &mark, DFC_MENU, radio_item_ ? DFCS_MENUBULLET : DFCS_MENUCHECK);
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(!enabled_   ? COLOR_GRAYTEXT
                               : highlight ? COLOR_HIGHLIGHTTEXT
                                           : COLOR_MENUTEXT));
  RECT text{box.right + kTextGap, rect.top, rect.right - kArrowColumn, rect.bottom};
  DrawTextW(dc, AsWin(caption_), static_cast<int>(caption_.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  if (shortcut_ != scNone) {
    const WideString shortcut = ShortCutToText(shortcut_);
    DrawTextW(dc, AsWin(shortcut), static_cast<int>(shortcut.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
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
  static const ClassInfo info("TMenu", &TComponent::StaticClass(),
                              PropertyListBuilder<TMenu>()
                                  .Object<TImageList>("Images", &TMenu::Images, &TMenu::SetImages)
                                  .Object<TMenuItem>("Items", &TMenu::Items)
                                  .Integer("OwnerDraw", &TMenu::OwnerDraw,
                                           [](TMenu& m, int64_t v) { m.SetOwnerDraw(v != 0); })
                                  .Build());
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

TMenuItem* TMenu::FindItem(UINT command) const {
  TMenuItem* item = items_->Find(command);
  return item != items_ ? item : nullptr;
}

void TMenu::SetOwnerDraw(bool owner_draw) {
  if (owner_draw != owner_draw_) {
    owner_draw_ = owner_draw;
    ItemsChanged();
  }
}

void TMenu::SetImages(TImageList* images) {
  if (images == images_) {
    return;
  }
  if (images_ != nullptr) {
    images_->RemoveFreeNotification(this);
  }
  images_ = images;
  if (images_ != nullptr) {
    images_->FreeNotification(this);
  }
  ItemsChanged();
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == images_) {
    images_ = nullptr;
    if (!IsDestroying()) {
      ItemsChanged();
    }
  }
}

void TMenu::ItemsChanged() {
  stale_ = true;
  if (OnChange) {
    OnChange(this);
  }
}

void TMenu::Fill(HMENU menu, TMenuItem& item) {
  item.handle_ = menu;
  UINT position = 0;
  for (TMenuItem* child : item.items_) {
    child->handle_ = nullptr;
    if (!child->Visible()) {
      continue;
    }
    // Every item, submenus and separators too, carries its command, so an owner-drawn
    // one can be found again from what the system reports.
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE;
    info.wID = child->Command();
    info.fType = child->IsLine() ? MFT_SEPARATOR : MFT_STRING;
    if (child->RadioItem()) {
      info.fType |= MFT_RADIOCHECK;
    }
    if (owner_draw_) {
      info.fType |= MFT_OWNERDRAW;
    }
    info.fState = (child->Checked() ? MFS_CHECKED : MFS_UNCHECKED) |
                  (child->Enabled() ? MFS_ENABLED : MFS_GRAYED);
    const WideString caption = NativeCaption(*child);
    if (!child->IsLine()) {
      info.fMask |= MIIM_STRING;
      info.dwTypeData = const_cast<LPWSTR>(AsWin(caption));
    }
    UniqueMenu sub;
    if (child->Count() > 0 && !child->IsLine()) {
      sub.Reset(CreatePopupMenu());
      Fill(sub.Get(), *child);
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = sub.Get();
    }
    if (InsertMenuItemW(menu, position, TRUE, &info)) {
      ++position;
      (void)sub.Release();  // the parent menu owns and destroys it from now on
    } else {
      child->handle_ = nullptr;
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

void TPopupMenu::Popup(int x, int y, HWND owner) {
  if (owner == nullptr) {
    owner = GetActiveWindow();
  }
  if (owner == nullptr) {
    owner = Application().Handle();
  }
  const UINT command = static_cast<UINT>(TrackPopupMenu(
      Handle(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN, x, y, 0, owner, nullptr));
  if (command != 0) {
    DispatchCommand(command);
  }
}

namespace {

TMenuItem* FindOwnerDrawnItem(const TMenu* main_menu, UINT id) {
  if (main_menu != nullptr) {
    if (TMenuItem* item = main_menu->FindItem(id)) {
      return item;
    }
  }
  for (const TPopupMenu* popup : Screen().PopupMenus()) {
    if (TMenuItem* item = popup->FindItem(id)) {
      return item;
    }
  }
  return nullptr;
}

}  // namespace

bool DispatchMenuItemPaint(const TMenu* main_menu, TMessage& message) {
  if (message.WParam != 0 || message.LParam == 0) {
    return false;  // a control's item, not a menu's
  }
  if (message.Msg == WM_MEASUREITEM) {
    auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
    TMenuItem* item =
        measure.CtlType == ODT_MENU ? FindOwnerDrawnItem(main_menu, measure.itemID) : nullptr;
    if (item == nullptr) {
      return false;
    }
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    const ScopedGetDC dc(nullptr);
    UniqueFont font;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
      font.Reset(CreateFontIndirectW(&metrics.lfMenuFont));
    }
    const ScopedSelectObject select(dc.Get(), font.Get());
    int width = static_cast<int>(measure.itemWidth);
    int height = static_cast<int>(measure.itemHeight);
    item->MeasureItem(dc.Get(), width, height);
    measure.itemWidth = static_cast<UINT>(std::max(width, 0));
    measure.itemHeight = static_cast<UINT>(std::max(height, 0));
    message.Result = TRUE;
    return true;
  }
  if (message.Msg == WM_DRAWITEM) {
    const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
    TMenuItem* item =
        draw.CtlType == ODT_MENU ? FindOwnerDrawnItem(main_menu, draw.itemID) : nullptr;
    if (item == nullptr) {
      return false;
    }
    const ScopedSaveDC saved(draw.hDC);
    item->DrawItem(draw.hDC, draw.rcItem, (draw.itemState & ODS_SELECTED) != 0);
    message.Result = TRUE;
    return true;
  }
  return false;
}

}  // namespace kova
