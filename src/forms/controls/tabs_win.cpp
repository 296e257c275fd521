#include "forms/controls/tabs.h"

#include <commctrl.h>

#include <algorithm>

#include "forms/controls/common_controls.h"

namespace kova {

const EnumTypeInfo kTabStyleInfo{"TTabStyle", {"tsTabs", "tsButtons", "tsFlatButtons"}};
const EnumTypeInfo kTabPositionInfo{"TTabPosition", {"tpTop", "tpBottom", "tpLeft", "tpRight"}};

// --- TCustomTabControl ---

const ClassInfo& TCustomTabControl::StaticClass() {
  static const ClassInfo info(
      "TCustomTabControl", &TWinControl::StaticClass(),
      PropertyListBuilder<TCustomTabControl>()
          .Boolean("MultiLine", &TCustomTabControl::MultiLine, &TCustomTabControl::SetMultiLine)
          .Enum("Style", kTabStyleInfo, &TCustomTabControl::Style, &TCustomTabControl::SetStyle)
          .Enum("TabPosition", kTabPositionInfo, &TCustomTabControl::TabPosition,
                &TCustomTabControl::SetTabPosition)
          .Method<TNotifyEvent>(
              "OnChange", [](const TCustomTabControl& c) { return c.OnChange; },
              [](TCustomTabControl& c, TNotifyEvent e) { c.OnChange = std::move(e); })
          .Build());
  return info;
}

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 289, 193);
  tab_stop_ = true;
}

void TCustomTabControl::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_TAB_CLASSES);
  TWinControl::CreateParams(params);
  params.system_class = WC_TABCONTROLW;
  switch (style_) {
    case TTabStyle::tsButtons:
      params.style |= TCS_BUTTONS;
      break;
    case TTabStyle::tsFlatButtons:
      params.style |= TCS_BUTTONS | TCS_FLATBUTTONS;
      break;
    case TTabStyle::tsTabs:
      break;
  }
  switch (tab_position_) {
    case TTabPosition::tpBottom:
      params.style |= TCS_BOTTOM;
      break;
    case TTabPosition::tpLeft:
      params.style |= TCS_VERTICAL | TCS_MULTILINE;
      break;
    case TTabPosition::tpRight:
      params.style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE;
      break;
    case TTabPosition::tpTop:
      break;
  }
  if (multi_line_) {
    params.style |= TCS_MULTILINE;
  }
}

void TCustomTabControl::CreateWindowHandle() {
  SyncTabs();
}

void TCustomTabControl::SetStyle(TTabStyle style) {
  if (style != style_) {
    style_ = style;
    RecreateWnd();
  }
}

void TCustomTabControl::SetTabPosition(TTabPosition position) {
  if (position != tab_position_) {
    tab_position_ = position;
    RecreateWnd();
  }
}

void TCustomTabControl::SetMultiLine(bool multi_line) {
  if (multi_line != multi_line_) {
    multi_line_ = multi_line;
    RecreateWnd();
  }
}

int TCustomTabControl::TabIndex() const {
  if (HandleAllocated()) {
    return static_cast<int>(SendMessageW(WindowHandle(), TCM_GETCURSEL, 0, 0));
  }
  return WantedTabIndex();
}

RECT TCustomTabControl::DisplayRect() const {
  RECT r = ClientRect();
  if (HandleAllocated()) {
    SendMessageW(WindowHandle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  }
  return r;
}

void TCustomTabControl::SyncTabs() {
  if (!HandleAllocated()) {
    return;
  }
  HWND wnd = WindowHandle();
  const std::vector<WideString> texts = TabTexts();
  const int count = static_cast<int>(SendMessageW(wnd, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < static_cast<int>(texts.size()); ++i) {
    std::wstring text(AsWin(texts[static_cast<size_t>(i)]));
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(wnd, i < count ? TCM_SETITEMW : TCM_INSERTITEMW, static_cast<WPARAM>(i),
                 reinterpret_cast<LPARAM>(&item));
  }
  for (int i = count - 1; i >= static_cast<int>(texts.size()); --i) {
    SendMessageW(wnd, TCM_DELETEITEM, static_cast<WPARAM>(i), 0);
  }
  SendMessageW(wnd, TCM_SETCURSEL, static_cast<WPARAM>(WantedTabIndex()), 0);
  DisplayChanged();
  InvalidateRect(wnd, nullptr, TRUE);
}

LRESULT TCustomTabControl::NotifyReflected(NMHDR* header) {
  if (header->code == TCN_SELCHANGE) {
    TabSelected(TabIndex());
    if (OnChange) {
      OnChange(this);
    }
  }
  return 0;
}

void TCustomTabControl::WndProc(TMessage& message) {
  TWinControl::WndProc(message);
  if (message.Msg == WM_SIZE) {
    DisplayChanged();
  }
}

// --- TTabControl ---

const ClassInfo& TTabControl::StaticClass() {
  static const ClassInfo info(
      "TTabControl", &TCustomTabControl::StaticClass(),
      PropertyListBuilder<TTabControl>()
          .Integer("TabIndex", &TTabControl::TabIndex, &TTabControl::SetTabIndex)
          .Object<TStrings>(
              "Tabs", [](const TTabControl& t) { return static_cast<TStrings*>(t.tabs_.get()); })
          .Build());
  return info;
}

TTabControl::TTabControl(TComponent* owner)
    : TCustomTabControl(owner), tabs_(std::make_unique<TStringList>()) {
  tabs_->OnChange = [this](TObject*) {
    if (tab_index_ >= tabs_->Count()) {
      tab_index_ = tabs_->Count() - 1;
    }
    if (tab_index_ < 0 && tabs_->Count() > 0) {
      tab_index_ = 0;
    }
    SyncTabs();
  };
}

TTabControl::~TTabControl() {
  tabs_->OnChange = nullptr;
}

std::vector<WideString> TTabControl::TabTexts() const {
  std::vector<WideString> texts;
  for (int i = 0; i < tabs_->Count(); ++i) {
    texts.push_back(tabs_->Get(i));
  }
  return texts;
}

void TTabControl::SetTabIndex(int index) {
  tab_index_ = index >= 0 && index < tabs_->Count() ? index : -1;
  if (HandleAllocated()) {
    SendMessageW(WindowHandle(), TCM_SETCURSEL, static_cast<WPARAM>(tab_index_), 0);
  }
}

void TTabControl::TabSelected(int index) {
  tab_index_ = index;
}

// --- TTabSheet ---

const ClassInfo& TTabSheet::StaticClass() {
  static const ClassInfo info(
      "TTabSheet", &TCustomControl::StaticClass(),
      PropertyListBuilder<TTabSheet>()
          // Declared as a windowed control: the page control's own class information
          // names the sheet class, and the two cannot be made inside each other.
          .Object<TWinControl>("PageControl", &TTabSheet::PageControl,
                               [](TTabSheet& sheet, TWinControl* control) {
                                 sheet.SetPageControl(dynamic_cast<TPageControl*>(control));
                               })
          .Integer("PageIndex", &TTabSheet::PageIndex)
          .Boolean("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible)
          .Build());
  return info;
}

TTabSheet::TTabSheet(TComponent* owner) : TCustomControl(owner) {
  SetVisible(false);
}

TTabSheet::~TTabSheet() {
  Destroying();
  if (page_control_ != nullptr) {
    page_control_->RemovePage(this);
  }
}

void TTabSheet::SetParent(TWinControl* parent) {
  auto* control = dynamic_cast<TPageControl*>(parent);
  if (page_control_ != nullptr && page_control_ != control) {
    page_control_->RemovePage(this);
  }
  TCustomControl::SetParent(parent);
  if (control != nullptr && page_control_ != control) {
    control->InsertPage(this);
  }
}

void TTabSheet::SetPageControl(TPageControl* control) {
  SetParent(control);
}

int TTabSheet::PageIndex() const {
  if (page_control_ == nullptr) {
    return -1;
  }
  const auto& pages = page_control_->pages_;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetTabVisible(bool visible) {
  tab_visible_ = visible;
  if (page_control_ != nullptr) {
    page_control_->SyncTabs();
  }
}

void TTabSheet::TextChanged() {
  TCustomControl::TextChanged();
  if (page_control_ != nullptr) {
    page_control_->SyncTabs();
  }
}

// --- TPageControl ---

const ClassInfo& TPageControl::StaticClass() {
  static const ClassInfo info(
      "TPageControl", &TCustomTabControl::StaticClass(),
      PropertyListBuilder<TPageControl>()
          .Object<TTabSheet>("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage)
          .Integer("ActivePageIndex", &TPageControl::ActivePageIndex,
                   &TPageControl::SetActivePageIndex)
          .Build());
  return info;
}

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

TPageControl::~TPageControl() {
  Destroying();
  for (TTabSheet* page : pages_) {
    page->page_control_ = nullptr;
  }
  pages_.clear();
  active_ = nullptr;
}

TTabSheet* TPageControl::Pages(int index) const {
  return index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr;
}

void TPageControl::InsertPage(TTabSheet* page) {
  pages_.push_back(page);
  page->page_control_ = this;
  page->FreeNotification(this);
  if (active_ == nullptr) {
    active_ = page;
  }
  PlaceSheets();
  SyncTabs();
}

void TPageControl::RemovePage(TTabSheet* page) {
  std::erase(pages_, page);
  page->page_control_ = nullptr;
  if (active_ == page) {
    active_ = pages_.empty() ? nullptr : pages_.front();
  }
  if (!IsDestroying()) {
    PlaceSheets();
    SyncTabs();
  }
}

void TPageControl::Notification(TComponent* component, TOperation operation) {
  TCustomTabControl::Notification(component, operation);
  if (operation == TOperation::opRemove) {
    std::erase(pages_, component);
    if (active_ == component) {
      active_ = pages_.empty() ? nullptr : pages_.front();
    }
  }
}

std::vector<TTabSheet*> TPageControl::VisibleTabs() const {
  std::vector<TTabSheet*> tabs;
  for (TTabSheet* page : pages_) {
    if (page->TabVisible()) {
      tabs.push_back(page);
    }
  }
  return tabs;
}

std::vector<WideString> TPageControl::TabTexts() const {
  std::vector<WideString> texts;
  for (TTabSheet* page : VisibleTabs()) {
    texts.push_back(page->GetText());
  }
  return texts;
}

int TPageControl::WantedTabIndex() const {
  const std::vector<TTabSheet*> tabs = VisibleTabs();
  const auto it = std::find(tabs.begin(), tabs.end(), active_);
  return it == tabs.end() ? -1 : static_cast<int>(it - tabs.begin());
}

void TPageControl::TabSelected(int index) {
  const std::vector<TTabSheet*> tabs = VisibleTabs();
  if (index >= 0 && index < static_cast<int>(tabs.size())) {
    active_ = tabs[static_cast<size_t>(index)];
    PlaceSheets();
  }
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page != nullptr && page->page_control_ != this) {
    return;
  }
  active_ = page;
  PlaceSheets();
  if (HandleAllocated()) {
    SendMessageW(WindowHandle(), TCM_SETCURSEL, static_cast<WPARAM>(WantedTabIndex()), 0);
  }
}

int TPageControl::ActivePageIndex() const {
  return active_ != nullptr ? active_->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int index) {
  SetActivePage(Pages(index));
}

void TPageControl::DisplayChanged() {
  PlaceSheets();
}

void TPageControl::PlaceSheets() {
  const RECT area = DisplayRect();
  for (TTabSheet* page : pages_) {
    page->SetBounds(area.left, area.top, std::max<int>(area.right - area.left, 0),
                    std::max<int>(area.bottom - area.top, 0));
    page->SetVisible(page == active_);
  }
}

}  // namespace kova
