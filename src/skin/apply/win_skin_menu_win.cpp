#include "skin/apply/win_skin_menu_win.h"

#include <algorithm>

#include "forms/controls/menus.h"
#include "forms/graphics/pixel_draw_win.h"
#include "skin/apply/caption_buttons.h"
#include "skin/apply/menu_layout.h"
#include "skin/apply/win_skin_form_win.h"
#include "skin/data/frame_compose.h"
#include "skin/data/skin_data.h"
#include "skin/data/system_colors.h"

namespace kova {

namespace {

constexpr size_t kMaxCaption = 80;

std::u16string MenuText(HMENU menu, UINT position) {
  wchar_t buffer[kMaxCaption + 1] = {};
  const int n =
      GetMenuStringW(menu, position, buffer, static_cast<int>(kMaxCaption) + 1, MF_BYPOSITION);
  return std::u16string(reinterpret_cast<const char16_t*>(buffer),
                        static_cast<size_t>(std::clamp(n, 0, static_cast<int>(kMaxCaption))));
}

COLORREF Scheme(const TSkinData& data, TShemeColor color) {
  return static_cast<COLORREF>(ResolveColor(data.Color(color)));
}

}  // namespace

void TMenuBtn::Draw() {
  owner_.RedrawMenuButton(*this);
}

bool TWinSkinMenu::UpdataBtn(HWND wnd, const TMainMenu* main_menu) {
  HMENU menu = GetMenu(wnd);
  if (menu == nullptr && menu_ == nullptr) {
    return false;
  }
  if (menu != nullptr) {
    menu_ = menu;
  }
  buttons_.clear();
  const int count = GetMenuItemCount(menu_);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
    if (!GetMenuItemInfoW(menu_, static_cast<UINT>(i), TRUE, &info)) {
      continue;
    }
    auto button = std::make_unique<TMenuBtn>(owner_, i);
    button->caption = MenuText(menu_, static_cast<UINT>(i));
    button->enabled = !(info.fState & (MFS_GRAYED | MFS_DISABLED));
    button->submenu = info.hSubMenu;
    button->command = info.wID;
    button->SetVisible(true);
    if (const TMenuItem* item = main_menu != nullptr ? main_menu->FindItem(info.wID) : nullptr) {
      button->caption = item->Caption().substr(0, kMaxCaption);
      button->enabled = item->Enabled();
      button->submenu = item->Count() > 0 ? item->Handle() : nullptr;
    }
    buttons_.push_back(std::move(button));
  }
  // Only the skinned row shows the menu from now on.
  if (GetMenu(wnd) != nullptr) {
    SetMenu(wnd, nullptr);
  }
  return true;
}

void TWinSkinMenu::SetMenuRect(const RECT& row, const TSkinData* data, bool right_to_left) {
  menu_rect_ = row;
  std::vector<MenuBarItem> items;
  {
    const ScopedGetDC dc(nullptr);
    const UniqueFont font = SystemMenuFont();
    const ScopedSelectObject select(dc.Get(), font.Get());
    for (const auto& button : buttons_) {
      RECT r{0, 0, 0, 0};
      DrawTextW(dc.Get(), Wide(button->caption), static_cast<int>(button->caption.size()), &r,
                DT_SINGLELINE | DT_CALCRECT);
      items.push_back({r.right - r.left, button->caption.empty(), button->Visible()});
    }
  }
  MenuBarLayoutInput input;
  input.row_width = row.right - row.left;
  input.row_height = row.bottom - row.top;
  input.has_bar_object = data != nullptr && data->MenuBar != nullptr;
  if (input.has_bar_object) {
    input.bar_left_margin = data->MenuBar->LeftWidth;
    input.bar_right_margin = data->MenuBar->RightWidth;
  }
  input.right_to_left = right_to_left;
  const std::vector<ImageRect> rects = LayoutMenuBar(input, items);
  for (size_t i = 0; i < buttons_.size(); ++i) {
    const ImageRect& r = rects[i];
    buttons_[i]->SetRect(
        {row.left + r.left, row.top + r.top, row.left + r.right, row.top + r.bottom});
  }
}

void TWinSkinMenu::DrawMenu(HDC dc, const TSkinData& data) const {
  const int w = menu_rect_.right - menu_rect_.left;
  const int h = menu_rect_.bottom - menu_rect_.top;
  if (w <= 0 || h <= 0) {
    return;
  }
  TBitmap row;
  if (data.MenuBar != nullptr && !data.MenuBar->Map.Empty()) {
    const TDataSkinObject& bar = *data.MenuBar;
    row = GetHMap(w, h, bar.Map, MarginsOf(bar), false, bar.Tile == 1, std::max(bar.Frame, 1), 1);
  }
  if (row.Empty()) {
    row = TBitmap(w, h);
    row.Fill(ResolveColor(data.Color(TShemeColor::csMenuBar)));
  }
  // The buttons of a maximized MDI child sit at the row's right end.
  for (const auto& sys : owner_.SysButtons()) {
    const RECT r = sys->Rect();
    if (!sys->Visible() || sys->Data().Visibility != kMenuRowVisibility || sys->Image().Empty() ||
        r.right <= r.left) {
      continue;
    }
    const int frame =
        RedrawFrame(sys->Frames(), static_cast<ButtonState>(sys->State()), sys->Enabled(), true);
    StretchCopy(row,
                {r.left - menu_rect_.left, r.top - menu_rect_.top, r.right - menu_rect_.left,
                 r.bottom - menu_rect_.top},
                sys->Image(), FrameRect(sys->Image(), sys->Frames(), frame, false), true);
  }
  DrawPixels(dc, menu_rect_, row, false);
  for (const auto& button : buttons_) {
    DrawButton(dc, data, *button);
  }
}

void TWinSkinMenu::DrawButton(HDC dc, const TSkinData& data, const TMenuBtn& button) const {
  const RECT r = button.Rect();
  if (!button.Visible() || r.right <= r.left) {
    return;
  }
  if (button.State() != NCObjectState::kNormal) {
    const UniqueBrush frame(CreateSolidBrush(Scheme(data, TShemeColor::csHilight)));
    FrameRect(dc, &r, frame.Get());
  }
  const UniqueFont font = SystemMenuFont();
  const ScopedSelectObject select(dc, font.Get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(
      dc, Scheme(data, button.enabled ? TShemeColor::csMenuBarText : TShemeColor::csTextDisable));
  RECT text = r;
  DrawTextW(dc, Wide(button.caption), static_cast<int>(button.caption.size()), &text,
            DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

TMenuBtn* TWinSkinMenu::FindBtn(POINT p) const {
  for (const auto& button : buttons_) {
    const RECT r = button->Rect();
    if (button->Visible() && p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom) {
      return button.get();
    }
  }
  return nullptr;
}

TMenuBtn* TWinSkinMenu::FindButtonFromAccel(wchar_t key) const {
  std::vector<std::u16string> captions;
  std::vector<MenuBarItem> items;
  auto enabled = std::make_unique<bool[]>(buttons_.size());
  for (size_t i = 0; i < buttons_.size(); ++i) {
    captions.push_back(buttons_[i]->caption);
    items.push_back({0, false, buttons_[i]->Visible()});
    enabled[i] = buttons_[i]->enabled;
  }
  const auto found =
      MenuButtonForAccelerator(captions, std::span<const bool>(enabled.get(), buttons_.size()),
                               items, static_cast<char16_t>(key));
  return found ? buttons_[*found].get() : nullptr;
}

UniqueMenu CopyHMenu(HMENU menu) {
  UniqueMenu copy(CreatePopupMenu());
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
    HMENU sub = GetSubMenu(menu, i);
    const std::u16string text = MenuText(menu, static_cast<UINT>(i));
    const UINT flags = (state & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_SEPARATOR)) |
                       (sub != nullptr ? MF_POPUP : MF_STRING);
    UINT_PTR id = GetMenuItemID(menu, i);
    if (sub != nullptr) {
      id = reinterpret_cast<UINT_PTR>(CopyHMenu(sub).Release());
    }
    AppendMenuW(copy.Get(), flags, id, (state & MF_SEPARATOR) ? nullptr : Wide(text));
  }
  return copy;
}

UniqueFont SystemMenuFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    return UniqueFont(static_cast<HFONT>(nullptr));
  }
  return UniqueFont(CreateFontIndirectW(&metrics.lfMenuFont));
}

}  // namespace kova
