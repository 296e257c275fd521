// Owner-drawn menu items of a skinned window: native items are switched to owner
// drawing when their menu opens and framework items carry the entry's handlers; both
// are measured in the screen's menu font and drawn from the skin's menu item object over
// the popup window's skinned background, with the check mark and submenu arrow from the
// library's menu glyphs and the framework menu's images.
#include <windows.h>

#include <algorithm>

#include "forms/controls/forms.h"
#include "forms/graphics/bitmap.h"
#include "forms/graphics/image_list.h"
#include "forms/graphics/pixel_draw_win.h"
#include "skin/apply/menu_layout.h"
#include "skin/apply/skin_manage_win.h"
#include "skin/apply/win_skin_form_win.h"
#include "skin/apply/win_skin_menu_win.h"
#include "skin/apply/win_skin_pop_menu_win.h"
#include "skin/data/frame_compose.h"
#include "skin/data/system_colors.h"

namespace kova {

namespace {

// The width of menu text as the system draws it (accelerator marks take no room).
int TextWidth(HDC dc, const std::u16string& text) {
  if (text.empty()) {
    return 0;
  }
  RECT r{0, 0, 0, 0};
  DrawTextW(dc, Wide(text), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_CALCRECT);
  return r.right - r.left;
}

std::u16string MenuString(HMENU menu, UINT position) {
  wchar_t buffer[256] = {};
  const int n = GetMenuStringW(menu, position, buffer, 255, MF_BYPOSITION);
  return std::u16string(reinterpret_cast<const char16_t*>(buffer),
                        static_cast<size_t>(std::max(n, 0)));
}

TColor SchemeColor(const TSkinData& data, TShemeColor color) {
  return ResolveColor(data.Color(color));
}

// Paints one 16-pixel glyph of the strip in `color`; white is see-through.
void PaintGlyph(TBitmap& bitmap, const TBitmap& glyphs, MenuGlyph glyph, const ImageRect& at,
                TColor color) {
  const int sx = static_cast<int>(glyph) * kMenuGlyphSize;
  if (glyphs.Width() < sx + kMenuGlyphSize || glyphs.Height() < kMenuGlyphSize) {
    return;
  }
  for (int y = 0; y < kMenuGlyphSize; ++y) {
    for (int x = 0; x < kMenuGlyphSize; ++x) {
      const int dx = at.left + x;
      const int dy = at.top + y;
      if (dx < 0 || dy < 0 || dx >= bitmap.Width() || dy >= bitmap.Height()) {
        continue;
      }
      if ((glyphs.Pixel(sx + x, y) & 0xFFFFFF) != 0xFFFFFF) {
        bitmap.SetPixel(dx, dy, color);
      }
    }
  }
}

// The column left of the text: the menu's images, or the check mark.
int ImageColumn(const TImageList* images) {
  return images != nullptr ? std::max(images->Width(), kMenuGlyphSize) : kMenuGlyphSize;
}

// Where the item's menu window shows its client area, in window coordinates.
POINT ClientOffset(HWND wnd) {
  RECT window{};
  GetWindowRect(wnd, &window);
  POINT origin{0, 0};
  ClientToScreen(wnd, &origin);
  return {origin.x - window.left, origin.y - window.top};
}

}  // namespace

void TWinSkinForm::WMINITMENU(HMENU menu) {
  if (menu == nullptr || !IsMenu(menu)) {
    return;
  }
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    const UINT position = static_cast<UINT>(i);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
    if (!GetMenuItemInfoW(menu, position, TRUE, &info)) {
      continue;
    }
    const bool known =
        std::any_of(skinned_items_.begin(), skinned_items_.end(), [&](const SkinnedMenuItem& item) {
          return item.menu == menu && item.position == position;
        });
    // Items the window draws itself or shows as bitmaps stay as they are.
    if (!known && !(info.fType & (MFT_OWNERDRAW | MFT_BITMAP))) {
      SkinnedMenuItem item;
      item.menu = menu;
      item.position = position;
      item.id = info.wID;
      item.type = info.fType;
      item.submenu = info.hSubMenu;
      item.caption = (info.fType & MFT_SEPARATOR) ? std::u16string() : MenuString(menu, position);
      MENUITEMINFOW owner_drawn{};
      owner_drawn.cbSize = sizeof(owner_drawn);
      owner_drawn.fMask = MIIM_FTYPE;
      owner_drawn.fType = info.fType | MFT_OWNERDRAW;
      if (SetMenuItemInfoW(menu, position, TRUE, &owner_drawn)) {
        skinned_items_.push_back(std::move(item));
      }
    }
    if (info.hSubMenu != nullptr) {
      WMINITMENU(info.hSubMenu);
    }
  }
}

void TWinSkinForm::RestoreMenuItems() {
  for (const SkinnedMenuItem& item : skinned_items_) {
    if (!IsMenu(item.menu)) {
      continue;
    }
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    info.fType = item.type;
    SetMenuItemInfoW(item.menu, item.position, TRUE, &info);
  }
  skinned_items_.clear();
}

const TWinSkinForm::SkinnedMenuItem* TWinSkinForm::FindSkinnedItem(HMENU menu, UINT id) const {
  for (const SkinnedMenuItem& item : skinned_items_) {
    if (item.id == id && (menu == nullptr || item.menu == menu)) {
      return &item;
    }
  }
  return nullptr;
}

TMenuItem* TWinSkinForm::FindFrameworkItem(UINT id) const {
  if (sys_menu_popup_ != nullptr) {
    if (TMenuItem* item = sys_menu_popup_->FindItem(id)) {
      return item;
    }
  }
  const auto* form = dynamic_cast<const TForm*>(Form());
  if (form == nullptr) {
    return nullptr;
  }
  if (form->Menu() != nullptr) {
    if (TMenuItem* item = form->Menu()->FindItem(id)) {
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

bool TWinSkinForm::WMMEASUREITEM(MEASUREITEMSTRUCT& measure) {
  if (measure.CtlType != ODT_MENU || skin_data_ == nullptr) {
    return false;
  }
  const SkinnedMenuItem* item = FindSkinnedItem(nullptr, measure.itemID);
  TMenuItem* framework = FindFrameworkItem(measure.itemID);
  // A native item the skin switched whose id a framework item happens to share stays
  // native: the framework's items carry their own menus' handles.
  if (framework != nullptr && item != nullptr && framework->Parent() != nullptr &&
      framework->Parent()->Handle() != item->menu) {
    framework = nullptr;
  }
  if (TSkinManage* manager = Manager(); manager != nullptr && Form() != nullptr) {
    manager->SetPopMenu();
  }
  if (framework != nullptr) {
    const ScopedGetDC dc(nullptr);
    const UniqueFont font = SystemMenuFont();
    const ScopedSelectObject select(dc.Get(), font.Get());
    int width = static_cast<int>(measure.itemWidth);
    int height = static_cast<int>(measure.itemHeight);
    MeasureItem(*framework, dc.Get(), width, height);
    measure.itemWidth = static_cast<UINT>(std::max(width, 0));
    measure.itemHeight = static_cast<UINT>(std::max(height, 0));
    return true;
  }
  // The window's own owner-drawn items are its own to measure.
  if (item == nullptr) {
    return false;
  }
  const int margin = skin_data_->MenuItem != nullptr ? skin_data_->MenuItem->LeftWidth : 0;
  const bool empty = item->caption.empty();
  int width = 0;
  int height = GetSystemMetrics(SM_CYMENUSIZE);
  if (!empty) {
    const ScopedGetDC dc(nullptr);
    const UniqueFont font = SystemMenuFont();
    const ScopedSelectObject select(dc.Get(), font.Get());
    const MenuCaptionParts parts = SplitMenuCaption(item->caption);
    width = TextWidth(dc.Get(), parts.text);
    if (!parts.shortcut.empty()) {
      width += kMenuGlyphSize + TextWidth(dc.Get(), parts.shortcut);
    }
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.Get(), &metrics);
    height = std::max<int>(static_cast<int>(measure.itemHeight), metrics.tmHeight);
  }
  const MenuItemSize size = MeasureNativeMenuItem(width, height, empty, margin, false);
  measure.itemWidth = static_cast<UINT>(size.width);
  measure.itemHeight = static_cast<UINT>(size.height);
  return true;
}

void TWinSkinForm::MeasureItem(TMenuItem& item, HDC dc, int& width, int& height) {
  // The framework's own measure, which leaves the item's picture out (changing the item
  // would rebuild its menu while it is shown); the skin adds its own room for it.
  item.DefaultMeasureItem(dc, width, height);
  const TMenu* menu = item.GetParentMenu();
  const int margin = skin_data_ != nullptr && skin_data_->MenuItem != nullptr
                         ? skin_data_->MenuItem->LeftWidth
                         : 0;
  width = FrameworkMenuItemWidth(width, margin, menu != nullptr && menu->Images() != nullptr);
}

bool TWinSkinForm::WMDRAWITEM(const DRAWITEMSTRUCT& draw) {
  if (draw.CtlType != ODT_MENU || skin_data_ == nullptr) {
    return false;
  }
  const HMENU menu = reinterpret_cast<HMENU>(draw.hwndItem);
  const bool selected = (draw.itemState & ODS_SELECTED) != 0;
  if (TMenuItem* framework = FindFrameworkItem(draw.itemID);
      framework != nullptr && framework->Parent() != nullptr &&
      framework->Parent()->Handle() == menu) {
    // The item's handler is the entry's unless the item came after the skin; a handler
    // of the application's own is the application's look.
    if (framework->OnDrawItem) {
      framework->DrawItem(draw.hDC, draw.rcItem, selected);
    } else {
      DrawMenuItem(*framework, draw.hDC, draw.rcItem, selected);
    }
    return true;
  }
  const SkinnedMenuItem* item = FindSkinnedItem(menu, draw.itemID);
  if (item == nullptr) {
    return false;
  }
  if (TSkinManage* manager = Manager()) {
    if (Form() != nullptr) {
      manager->SetPopMenu();
    }
    manager->SetHMenu(menu);
  }
  const MenuCaptionParts parts = SplitMenuCaption(item->caption);
  MenuItemLook look;
  look.text = parts.text;
  look.shortcut = parts.shortcut;
  look.separator = item->caption.empty();
  look.checked = (draw.itemState & ODS_CHECKED) != 0;
  look.radio = (item->type & MFT_RADIOCHECK) != 0;
  look.enabled = !(draw.itemState & (ODS_GRAYED | ODS_DISABLED));
  look.submenu = item->submenu != nullptr;
  look.menu = menu;
  PaintMenuItem(look, draw.hDC, draw.rcItem, selected);
  return true;
}

void TWinSkinForm::DrawMenuItem(TMenuItem& item, HDC dc, const RECT& rect, bool selected) {
  // A shortcut is the item's own, or what its caption shows after a tab.
  const MenuCaptionParts parts = SplitMenuCaption(item.Caption());
  MenuItemLook look;
  look.text = parts.text;
  look.shortcut = item.ShortCut() != scNone ? ShortCutToText(item.ShortCut()) : parts.shortcut;
  look.separator = item.IsLine() || item.Caption().empty();
  look.checked = item.Checked();
  look.radio = item.RadioItem();
  look.enabled = item.Enabled();
  look.submenu = item.Count() > 0;
  if (const TMenu* menu = item.GetParentMenu()) {
    look.images = menu->Images();
  }
  look.image_index = item.ImageIndex();
  look.menu = item.Parent() != nullptr ? item.Parent()->Handle() : nullptr;
  if (TSkinManage* manager = Manager()) {
    manager->SetPopMenu();
    manager->SetHMenu(look.menu);
  }
  PaintMenuItem(look, dc, rect, selected);
}

void TWinSkinForm::PaintMenuItem(const MenuItemLook& look, HDC dc, const RECT& rc, bool selected) {
  if (skin_data_ == nullptr) {
    return;
  }
  if (skin_data_->MenuItem == nullptr || skin_data_->MenuItem->Map.Empty()) {
    DefaultMenuItem(look, dc, rc, selected);
  } else {
    ComposeMenuItem(look, dc, rc, selected);
  }
  if (look.submenu) {
    // The system draws its own arrow over an owner-drawn item that opens a submenu, once
    // the item is drawn; the skin's arrow stays by keeping the system out of its column.
    ExcludeClipRect(dc, rc.right - kMenuArrowColumn, rc.top, rc.right, rc.bottom);
  }
}

void TWinSkinForm::ComposeMenuItem(const MenuItemLook& look, HDC dc, const RECT& rc,
                                   bool selected) {
  const int w = rc.right - rc.left;
  const int h = rc.bottom - rc.top;
  if (w <= 0 || h <= 0) {
    return;
  }
  TBitmap bitmap(w, h);
  const TBitmap* background = nullptr;
  POINT offset{kPopupBorder, kPopupBorder};
  if (TSkinManage* manager = Manager()) {
    background = manager->GetMenuBg(look.menu);
    for (const auto& popup : manager->Menus()) {
      if (popup->Menu() == look.menu && IsWindow(popup->Handle())) {
        offset = ClientOffset(popup->Handle());
      }
    }
  }
  if (background != nullptr && !background->Empty()) {
    StretchCopy(bitmap, {0, 0, w, h}, *background,
                {rc.left + offset.x, rc.top + offset.y, rc.right + offset.x, rc.bottom + offset.y});
  } else {
    bitmap.Fill(SchemeColor(*skin_data_, TShemeColor::csMenubg));
  }
  const bool highlighted = selected && !look.separator;
  const TDataSkinObject& object = *skin_data_->MenuItem;
  const int margin = object.LeftWidth;
  const MenuItemParts parts = LayoutMenuItem({0, 0, w, h}, margin, 0, ImageColumn(look.images));
  const TColor text_color =
      SchemeColor(*skin_data_, look.enabled ? TShemeColor::csMenuText : TShemeColor::csTextDisable);
  const bool image = look.images != nullptr && look.image_index >= 0;
  if (look.separator) {
    const TColor line = SchemeColor(*skin_data_, TShemeColor::csButtonShadow);
    for (int x = parts.separator_left; x < parts.separator_right; ++x) {
      bitmap.SetPixel(x, parts.separator_y, line);
    }
  } else {
    const int frame = highlighted ? kMenuItemSelectedFrame : kMenuItemNormalFrame;
    const int frames = std::max(object.Frame, 1);
    if (object.Tile == 1) {
      DrawRectTile(bitmap, {0, 0, w, h}, object.Map, MarginsOf(object), object.Trans == 1, frames,
                   frame);
    } else {
      DrawRect2(bitmap, {0, 0, w, h}, object.Map, MarginsOf(object), object.Trans == 1, frames,
                frame);
    }
    if (look.checked && !image) {
      PaintGlyph(bitmap, skin_data_->MenuImages, look.radio ? MenuGlyph::kRadio : MenuGlyph::kCheck,
                 parts.check, text_color);
    }
    if (look.submenu) {
      PaintGlyph(bitmap, skin_data_->MenuImages, MenuGlyph::kSubMenuArrow, parts.arrow, text_color);
    }
  }
  const UniqueBitmap dib = MakeDibSection(bitmap, false);
  const UniqueMemoryDC memory(CreateCompatibleDC(dc));
  if (!dib || !memory) {
    return;
  }
  const ScopedSelectObject select(memory.Get(), dib.Get());
  if (!look.separator) {
    DrawItemImage(memory.Get(), look,
                  {parts.image.left, parts.image.top, parts.image.right, parts.image.bottom});
    DrawItemText(memory.Get(), look,
                 {parts.text.left, parts.text.top, parts.text.right, parts.text.bottom},
                 text_color);
  }
  BitBlt(dc, rc.left, rc.top, w, h, memory.Get(), 0, 0, SRCCOPY);
}

void TWinSkinForm::DefaultMenuItem(const MenuItemLook& look, HDC dc, const RECT& rc,
                                   bool selected) {
  const bool highlighted = selected && !look.separator;
  const UniqueBrush brush(CreateSolidBrush(static_cast<COLORREF>(
      SchemeColor(*skin_data_, highlighted ? TShemeColor::csHilight : TShemeColor::csMenubg))));
  FillRect(dc, &rc, brush.Get());
  const MenuItemParts parts =
      LayoutMenuItem({rc.left, rc.top, rc.right, rc.bottom}, 0, 0, ImageColumn(look.images));
  if (look.separator) {
    const UniqueBrush line(CreateSolidBrush(
        static_cast<COLORREF>(SchemeColor(*skin_data_, TShemeColor::csButtonShadow))));
    const RECT r{parts.separator_left, parts.separator_y, parts.separator_right,
                 parts.separator_y + 1};
    FillRect(dc, &r, line.Get());
    return;
  }
  const TColor color = SchemeColor(*skin_data_, !look.enabled ? TShemeColor::csTextDisable
                                                : highlighted ? TShemeColor::csHilightText
                                                              : TShemeColor::csMenuText);
  const bool image = look.images != nullptr && look.image_index >= 0;
  if (look.checked && !image) {
    const UniqueFont font = SystemMenuFont();
    const ScopedSelectObject select(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, static_cast<COLORREF>(color));
    RECT check{parts.check.left, parts.check.top, parts.check.right, parts.check.bottom};
    DrawTextW(dc, look.radio ? L"\x2022" : L"\x2713", 1, &check,
              DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  }
  DrawItemImage(dc, look,
                {parts.image.left, parts.image.top, parts.image.right, parts.image.bottom});
  DrawItemText(dc, look, {parts.text.left, parts.text.top, parts.text.right, parts.text.bottom},
               color);
}

void TWinSkinForm::DrawItemImage(HDC dc, const MenuItemLook& look, const RECT& column) {
  if (look.images == nullptr || look.image_index < 0) {
    return;
  }
  const int top = (column.top + column.bottom - look.images->Height()) / 2;
  look.images->Draw(dc, column.left, top, look.image_index);
}

void TWinSkinForm::DrawItemText(HDC dc, const MenuItemLook& look, const RECT& rect, TColor color) {
  const UniqueFont font = SystemMenuFont();
  const ScopedSelectObject select(dc, font.Get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, static_cast<COLORREF>(color));
  RECT text = rect;
  DrawTextW(dc, Wide(look.text), static_cast<int>(look.text.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  if (!look.shortcut.empty()) {
    RECT shortcut = rect;
    DrawTextW(dc, Wide(look.shortcut), static_cast<int>(look.shortcut.size()), &shortcut,
              DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
  }
}

}  // namespace kova
