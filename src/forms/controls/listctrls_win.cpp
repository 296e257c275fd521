#include "forms/controls/listctrls.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "forms/controls/common_controls.h"

namespace kova {

const EnumTypeInfo kViewStyleInfo{"TViewStyle", {"vsIcon", "vsSmallIcon", "vsList", "vsReport"}};

// --- TTextItem and TTextItemControl ---

const ClassInfo& TTextItem::StaticClass() {
  static const ClassInfo info("TTextItem", &TCollectionItem::StaticClass(),
                              PropertyListBuilder<TTextItem>()
                                  .String("Text", &TTextItem::Text, &TTextItem::SetText)
                                  .Integer("Width", &TTextItem::Width, &TTextItem::SetWidth)
                                  .Build());
  return info;
}

void TTextItem::SetText(const WideString& text) {
  text_ = text;
  Changed(false);
}

void TTextItem::SetWidth(int width) {
  width_ = width;
  Changed(false);
}

const ClassInfo& TTextItemControl::StaticClass() {
  static const ClassInfo info("TTextItemControl", &TWinControl::StaticClass(), {});
  return info;
}

TTextItemControl::TTextItemControl(TComponent* owner)
    : TWinControl(owner),
      items_(std::make_unique<TCollection>(
          [](TCollection* c) -> TCollectionItem* { return new TTextItem(c); }, this)) {
  items_->OnUpdate = [this](TCollectionItem*) {
    if (HandleAllocated()) {
      Refill();
    }
  };
}

TTextItemControl::~TTextItemControl() {
  items_->OnUpdate = nullptr;
}

TTextItem* TTextItemControl::AddItem(const WideString& text, int width) {
  items_->BeginUpdate();
  auto* item = static_cast<TTextItem*>(items_->Add());
  item->SetText(text);
  item->SetWidth(width);
  items_->EndUpdate();
  return item;
}

// --- THeaderControl ---

const ClassInfo& THeaderControl::StaticClass() {
  static const ClassInfo info(
      "THeaderControl", &TTextItemControl::StaticClass(),
      PropertyListBuilder<THeaderControl>()
          .Object<TCollection>("Sections", [](const THeaderControl& h) { return h.items_.get(); })
          .Build());
  return info;
}

THeaderControl::THeaderControl(TComponent* owner) : TTextItemControl(owner) {
  SetBounds(0, 0, 200, 17);
  SetAlign(TAlign::alTop);
}

void THeaderControl::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_LISTVIEW_CLASSES);
  TTextItemControl::CreateParams(params);
  params.system_class = WC_HEADERW;
  params.style |= HDS_BUTTONS | HDS_HORZ;
}

void THeaderControl::Refill() {
  HWND wnd = WindowHandle();
  for (auto i = SendMessageW(wnd, HDM_GETITEMCOUNT, 0, 0); i > 0; --i) {
    SendMessageW(wnd, HDM_DELETEITEM, static_cast<WPARAM>(i - 1), 0);
  }
  for (int i = 0; i < items_->Count(); ++i) {
    const auto* section = static_cast<const TTextItem*>(items_->Items(i));
    std::wstring text(AsWin(section->Text()));
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.pszText = text.data();
    item.cxy = section->Width();
    item.fmt = HDF_LEFT | HDF_STRING;
    SendMessageW(wnd, HDM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
}

// --- TListView ---

const ClassInfo& TListView::StaticClass() {
  static const ClassInfo info(
      "TListView", &TTextItemControl::StaticClass(),
      PropertyListBuilder<TListView>()
          .Object<TCollection>("Columns", [](const TListView& l) { return l.items_.get(); })
          .Object<TStrings>(
              "Items", [](const TListView& l) { return static_cast<TStrings*>(l.lines_.get()); })
          .Enum("ViewStyle", kViewStyleInfo, &TListView::ViewStyle, &TListView::SetViewStyle)
          .Build());
  return info;
}

TListView::TListView(TComponent* owner)
    : TTextItemControl(owner), lines_(std::make_unique<TStringList>()) {
  SetBounds(0, 0, 250, 150);
  SetColor(clWindow);
  tab_stop_ = true;
  lines_->OnChange = [this](TObject*) {
    if (HandleAllocated()) {
      Refill();
    }
  };
}

TListView::~TListView() {
  lines_->OnChange = nullptr;
}

void TListView::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_LISTVIEW_CLASSES);
  TTextItemControl::CreateParams(params);
  params.system_class = WC_LISTVIEWW;
  params.ex_style |= WS_EX_CLIENTEDGE;
  params.style |= LVS_SHAREIMAGELISTS | LVS_SHOWSELALWAYS;
  switch (view_style_) {
    case TViewStyle::vsIcon:
      params.style |= LVS_ICON;
      break;
    case TViewStyle::vsSmallIcon:
      params.style |= LVS_SMALLICON;
      break;
    case TViewStyle::vsList:
      params.style |= LVS_LIST;
      break;
    case TViewStyle::vsReport:
      params.style |= LVS_REPORT;
      break;
  }
}

void TListView::SetViewStyle(TViewStyle style) {
  if (style != view_style_) {
    view_style_ = style;
    RecreateWnd();
  }
}

void TListView::Refill() {
  HWND wnd = WindowHandle();
  SendMessageW(wnd, LVM_DELETEALLITEMS, 0, 0);
  HWND header = reinterpret_cast<HWND>(SendMessageW(wnd, LVM_GETHEADER, 0, 0));
  const auto columns = header != nullptr ? SendMessageW(header, HDM_GETITEMCOUNT, 0, 0) : 0;
  for (auto i = columns; i > 0; --i) {
    SendMessageW(wnd, LVM_DELETECOLUMN, static_cast<WPARAM>(i - 1), 0);
  }
  for (int i = 0; i < items_->Count(); ++i) {
    const auto* column = static_cast<const TTextItem*>(items_->Items(i));
    std::wstring text(AsWin(column->Text()));
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    col.pszText = text.data();
    col.cx = column->Width();
    col.iSubItem = i;
    SendMessageW(wnd, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&col));
  }
  for (int i = 0; i < lines_->Count(); ++i) {
    std::wstring text(AsWin(lines_->Get(i)));
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = text.data();
    SendMessageW(wnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
}

// --- TStatusBar ---

const ClassInfo& TStatusBar::StaticClass() {
  static const ClassInfo info(
      "TStatusBar", &TTextItemControl::StaticClass(),
      PropertyListBuilder<TStatusBar>()
          .Object<TCollection>("Panels", [](const TStatusBar& s) { return s.items_.get(); })
          .Boolean("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel)
          .String("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText)
          .Boolean("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip)
          .Build());
  return info;
}

TStatusBar::TStatusBar(TComponent* owner) : TTextItemControl(owner) {
  SetBounds(0, 0, 200, 19);
  SetAlign(TAlign::alBottom);
}

void TStatusBar::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_BAR_CLASSES);
  TTextItemControl::CreateParams(params);
  params.system_class = STATUSCLASSNAMEW;
  // The framework places the bar; the platform must not move it on its own.
  params.style |= CCS_NOPARENTALIGN | CCS_NORESIZE | (size_grip_ ? SBARS_SIZEGRIP : 0);
}

void TStatusBar::SetSimplePanel(bool simple) {
  simple_panel_ = simple;
  if (HandleAllocated()) {
    Refill();
  }
}

void TStatusBar::SetSimpleText(const WideString& text) {
  simple_text_ = text;
  if (HandleAllocated()) {
    Refill();
  }
}

void TStatusBar::SetSizeGrip(bool grip) {
  if (grip != size_grip_) {
    size_grip_ = grip;
    RecreateWnd();
  }
}

void TStatusBar::Refill() {
  HWND wnd = WindowHandle();
  SendMessageW(wnd, SB_SIMPLE, simple_panel_ ? TRUE : FALSE, 0);
  if (simple_panel_) {
    SendMessageW(wnd, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(AsWin(simple_text_)));
    return;
  }
  std::vector<int> edges;
  int right = 0;
  for (int i = 0; i < items_->Count(); ++i) {
    right += static_cast<const TTextItem*>(items_->Items(i))->Width();
    edges.push_back(i + 1 == items_->Count() ? -1 : right);  // the last panel fills the rest
  }
  if (edges.empty()) {
    edges.push_back(-1);
  }
  SendMessageW(wnd, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (int i = 0; i < items_->Count(); ++i) {
    const WideString& text = static_cast<const TTextItem*>(items_->Items(i))->Text();
    SendMessageW(wnd, SB_SETTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(AsWin(text)));
  }
}

}  // namespace kova
