#include "skin/apply/win_skin_tab_win.h"

#include <commctrl.h>

#include <algorithm>

#include "base/win/handles_win.h"
#include "forms/classes/typinfo.h"
#include "forms/graphics/dib_bitmap.h"
#include "skin/apply/push_button_state.h"
#include "skin/apply/skin_tab_paint.h"
#include "skin/apply/win_skin_button_win.h"
#include "skin/data/system_colors.h"

namespace kova {

namespace {

// Tab texts are read up to this many characters.
constexpr int kMaxTabText = 80;
constexpr int kImageGap = 4;

ImageRect ToImage(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}

RECT ToRect(const ImageRect& r) {
  return {r.left, r.top, r.right, r.bottom};
}

WideString ItemText(HWND wnd, int index, bool unicode, int* image) {
  if (unicode) {
    wchar_t text[kMaxTabText + 1] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = text;
    item.cchTextMax = kMaxTabText + 1;
    item.iImage = -1;
    if (SendMessageW(wnd, TCM_GETITEMW, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item)) == 0) {
      return {};
    }
    *image = item.iImage;
    return WideFromWin(item.pszText != nullptr ? item.pszText : text);
  }
  char text[kMaxTabText + 1] = {};
  TCITEMA item{};
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  item.pszText = text;
  item.cchTextMax = kMaxTabText + 1;
  item.iImage = -1;
  if (SendMessageA(wnd, TCM_GETITEMA, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&item)) == 0) {
    return {};
  }
  *image = item.iImage;
  const char* from = item.pszText != nullptr ? item.pszText : text;
  wchar_t wide[kMaxTabText + 1] = {};
  const int length = MultiByteToWideChar(CP_ACP, 0, from, -1, wide, kMaxTabText + 1);
  return length > 0 ? WideFromWin(wide) : WideString();
}

// The item's image and text together, centred on the tab.
void DrawImgCaption(HDC dc, const ImageRect& area, const WideString& text, HIMAGELIST images,
                    int image, TColor color) {
  int image_width = 0;
  int image_height = 0;
  if (images != nullptr && image >= 0) {
    ImageList_GetIconSize(images, &image_width, &image_height);
  }
  SIZE text_size{};
  GetTextExtentPoint32W(dc, AsWin(text), static_cast<int>(text.size()), &text_size);
  const int total = (image_width > 0 ? image_width + kImageGap : 0) + text_size.cx;
  int x = area.left + std::max(0, (area.right - area.left - total) / 2);
  if (image_width > 0) {
    ImageList_Draw(images, image, dc, x, area.top + (area.bottom - area.top - image_height) / 2,
                   ILD_TRANSPARENT);
    x += image_width + kImageGap;
  }
  SetTextColor(dc, static_cast<COLORREF>(ResolveColor(color)));
  RECT text_rect{x, area.top, area.right, area.bottom};
  DrawTextW(dc, AsWin(text), static_cast<int>(text.size()), &text_rect,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
}

bool Inside(const RECT& r, POINT p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

}  // namespace

const ClassInfo& TSkinTab::StaticClass() {
  static const ClassInfo info("TSkinTab", &TSkinControl::StaticClass(), {});
  return info;
}

const ClassInfo& TSkinTabBtn::StaticClass() {
  static const ClassInfo info("TSkinTabBtn", &TSkinTab::StaticClass(), {});
  return info;
}

const ClassInfo& TSkinAdvPage::StaticClass() {
  static const ClassInfo info("TSkinAdvPage", &TSkinTab::StaticClass(), {});
  return info;
}

TabPosition TSkinTab::GetPosition() const {
  return TabPositionFromStyle(static_cast<uint32_t>(GetWindowLongW(handle_, GWL_STYLE)));
}

const TDataSkinObject* TSkinTab::TabLook() const {
  return skin_data_ != nullptr ? skin_data_->Tabs.get() : nullptr;
}

int TSkinTab::ItemFrame(int, bool focused) const {
  return focused ? kTabStateFocused : kTabStateNormal;
}

TColor TSkinTab::ItemTextColor(int frame) const {
  const TDataSkinObject* look = TabLook();
  return look != nullptr ? TabTextColor(*look, frame) : TColor{0};
}

bool TSkinTab::HasLook() const {
  const TDataSkinObject* look = TabLook();
  return look != nullptr && !look->Map.Empty();
}

bool TSkinTab::WantsCloseButtons() const {
  return control_ != nullptr && GetOrdProp(*control_, "ShowCloseButton").value_or(0) != 0;
}

ImageRect TSkinTab::PageRect(const std::vector<Item>& items) const {
  RECT client{};
  GetClientRect(handle_, &client);
  RECT display = client;
  SendMessageW(handle_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  const TabPosition position = GetPosition();
  std::vector<ImageRect> rects;
  for (const Item& item : items) {
    rects.push_back(ToImage(item.rect));
  }
  return FitPageToTabs(TabPageRect(ToImage(display), position), position, rects);
}

TabStripLayout TSkinTab::Layout() const {
  RECT client{};
  GetClientRect(handle_, &client);
  return TabStripLayout(client.right, client.bottom, PageRect(ReadItems()), GetPosition());
}

std::vector<TSkinTab::Item> TSkinTab::ReadItems() const {
  std::vector<Item> items;
  const auto count = static_cast<int>(SendMessageW(handle_, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    Item item;
    if (SendMessageW(handle_, TCM_GETITEMRECT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item.rect)) == 0) {
      item.rect = {};
    }
    item.text = ItemText(handle_, i, unicode_, &item.image);
    items.push_back(std::move(item));
  }
  return items;
}

RECT TSkinTab::CloseButtonRect(int index) const {
  if (!WantsCloseButtons()) {
    return {};
  }
  RECT item{};
  if (SendMessageW(handle_, TCM_GETITEMRECT, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&item)) == 0) {
    return {};
  }
  const TabStripLayout layout = Layout();
  const ImageRect close = TabCloseButtonRect(layout.ItemToBuffer(ToImage(item)));
  if (close.right <= close.left) {
    return {};
  }
  return ToRect(layout.BufferToClient(close));
}

int TSkinTab::CloseButtonAt(POINT point) const {
  if (!WantsCloseButtons()) {
    return -1;
  }
  const auto count = static_cast<int>(SendMessageW(handle_, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    if (Inside(CloseButtonRect(i), point)) {
      return i;
    }
  }
  return -1;
}

void TSkinTab::ClickClose(int index) {
  // A page control's pages stand behind its visible tabs in order: the page goes out of
  // the tab row and the control moves on by itself.
  if (control_ != nullptr) {
    int visible = 0;
    for (int i = 0; i < control_->ControlCount(); ++i) {
      TControl* page = control_->Controls(i);
      const std::optional<int64_t> shown = GetOrdProp(*page, "TabVisible");
      if (!shown.has_value() || *shown == 0) {
        continue;
      }
      if (visible == index) {
        SetOrdProp(*page, "TabVisible", 0);
        Invalidate();
        return;
      }
      ++visible;
    }
  }
  // A plain tab goes; when it was the selected one the next tab is selected and the
  // parent told, as after a click on it.
  const auto selected = static_cast<int>(SendMessageW(handle_, TCM_GETCURSEL, 0, 0));
  SendMessageW(handle_, TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
  const auto count = static_cast<int>(SendMessageW(handle_, TCM_GETITEMCOUNT, 0, 0));
  if (selected == index && count > 0) {
    SendMessageW(handle_, TCM_SETCURSEL, static_cast<WPARAM>(std::min(index, count - 1)), 0);
    NMHDR header{handle_, static_cast<UINT_PTR>(GetDlgCtrlID(handle_)), TCN_SELCHANGE};
    SendMessageW(GetParent(handle_), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  }
  Invalidate();
}

bool TSkinTab::BeforeProc(TMessage& message) {
  if (HasLook() && PaintEntirely(message)) {
    return false;
  }
  if (message.Msg == WM_LBUTTONDOWN) {
    const POINT point{static_cast<short>(LOWORD(message.LParam)),
                      static_cast<short>(HIWORD(message.LParam))};
    const int closing = CloseButtonAt(point);
    if (closing >= 0) {
      ClickClose(closing);
      message.Result = 0;
      return false;
    }
  }
  return TSkinControl::BeforeProc(message);
}

void TSkinTab::AfterProc(TMessage& message) {
  switch (message.Msg) {
    // Changes the control shows without always repainting all of it.
    case TCM_SETCURSEL:
    case TCM_SETCURFOCUS:
    case TCM_INSERTITEMW:
    case TCM_INSERTITEMA:
    case TCM_SETITEMW:
    case TCM_SETITEMA:
    case TCM_DELETEITEM:
    case TCM_DELETEALLITEMS:
    case TCM_SETIMAGELIST:
    case WM_SIZE:
      InvalidateRect(handle_, nullptr, FALSE);
      break;
    default:
      TSkinControl::AfterProc(message);
      break;
  }
}

void TSkinTab::ClipUpdown(HDC dc) const {
  for (HWND child = GetWindow(handle_, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[32] = {};
    GetClassNameW(child, name, 32);
    if (_wcsicmp(name, UPDOWN_CLASSW) != 0 || !IsWindowVisible(child)) {
      continue;
    }
    RECT arrows{};
    GetWindowRect(child, &arrows);
    MapWindowPoints(nullptr, handle_, reinterpret_cast<POINT*>(&arrows), 2);
    ExcludeClipRect(dc, arrows.left, arrows.top, arrows.right, arrows.bottom);
  }
}

void TSkinTab::PaintWindowlessChildren(HDC dc) const {
  if (control_ == nullptr) {
    return;
  }
  for (int i = 0; i < control_->ControlCount(); ++i) {
    auto* child = dynamic_cast<TGraphicControl*>(control_->Controls(i));
    if (child != nullptr && child->Visible()) {
      child->PaintOn(dc);
    }
  }
}

void TSkinTab::DrawControl(HDC dc, const RECT& rect) {
  const TDataSkinObject* look = TabLook();
  if (skin_data_ == nullptr || look == nullptr || look->Map.Empty()) {
    return;
  }
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) {
    return;
  }
  // The parent's background behind everything the skin leaves see-through.
  TDibBitmap behind(width, height);
  RECT in_parent = rect_;
  MapWindowPoints(nullptr, GetParent(handle_), reinterpret_cast<POINT*>(&in_parent), 2);
  DrawParentImage(GetParent(handle_), behind.Canvas().Handle(), in_parent);
  TBitmap whole = behind.ToPixels();

  RECT client{};
  GetClientRect(handle_, &client);
  const TabPosition position = GetPosition();
  const std::vector<Item> items = ReadItems();
  const ImageRect page = PageRect(items);
  if (PaintsPane()) {
    ComposeTabPane(whole, page, *skin_data_);
  }

  const TabStripLayout layout(client.right, client.bottom, page, position);
  const auto focused = static_cast<int>(SendMessageW(handle_, TCM_GETCURFOCUS, 0, 0));
  const bool closing = WantsCloseButtons();
  std::vector<TabItemPaint> paints;
  for (size_t i = 0; i < items.size(); ++i) {
    TabItemPaint paint;
    paint.rect = layout.ItemToBuffer(ToImage(items[i].rect));
    paint.frame = ItemFrame(static_cast<int>(i), static_cast<int>(i) == focused);
    paint.close_button = closing;
    paint.glyph_color = ResolveColor(ItemTextColor(paint.frame));
    paints.push_back(paint);
  }
  TBitmap strip = ComposeTabStrip(layout, *look, paints);
  if (!strip.Empty()) {
    TDibBitmap strip_buffer;
    strip_buffer.AssignPixels(strip);
    if (HDC strip_dc = strip_buffer.Canvas().Handle()) {
      const ScopedSelectObject font(strip_dc, ControlFont(handle_, control_));
      SetBkMode(strip_dc, TRANSPARENT);
      auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(handle_, TCM_GETIMAGELIST, 0, 0));
      for (size_t i = 0; i < items.size(); ++i) {
        DrawImgCaption(strip_dc, TabTextRect(paints[i].rect, paints[i].close_button), items[i].text,
                       images, items[i].image, ItemTextColor(paints[i].frame));
      }
      GdiFlush();
      strip = strip_buffer.ToPixels();
    }
    TurnTabStrip(strip, position);
    StretchCopy(whole, layout.Strip(), strip, {0, 0, strip.Width(), strip.Height()},
                /*transparent=*/true);
  }

  TDibBitmap buffer;
  buffer.AssignPixels(whole);
  HDC buffer_dc = buffer.Canvas().Handle();
  if (buffer_dc == nullptr) {
    return;
  }
  {
    const ScopedSaveDC saved(dc);
    ClipUpdown(dc);
    BitBlt(dc, rect.left, rect.top, width, height, buffer_dc, 0, 0, SRCCOPY);
  }
  if (mode_ == kModeTabControl) {
    PaintWindowlessChildren(dc);
  }
}

const TDataSkinObject* TSkinTabBtn::TabLook() const {
  return skin_data_ != nullptr ? skin_data_->Button.get() : nullptr;
}

int TSkinTabBtn::ItemFrame(int, bool focused) const {
  if ((GetWindowLongW(handle_, GWL_STYLE) & WS_DISABLED) != 0) {
    return kButtonFrameDisabled;
  }
  return focused ? kButtonFramePressed : kButtonFrameNormal;
}

TColor TSkinTabBtn::ItemTextColor(int frame) const {
  if (skin_data_ == nullptr) {
    return 0;
  }
  return PushButtonTextColor(*skin_data_->Button, frame,
                             ResolveColor(skin_data_->Color(TShemeColor::csButtonText)),
                             static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW)));
}

}  // namespace kova
