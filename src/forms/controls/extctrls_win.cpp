#include "forms/controls/extctrls.h"

#include <algorithm>

#include "forms/classes/strings.h"

namespace kova {

namespace {
const EnumTypeInfo kBevelCutInfo{"TBevelCut", {"bvNone", "bvLowered", "bvRaised"}};

UINT HorizontalFlags(TAlignment alignment) {
  switch (alignment) {
    case TAlignment::taCenter:
      return DT_CENTER;
    case TAlignment::taRightJustify:
      return DT_RIGHT;
    default:
      return DT_LEFT;
  }
}
}  // namespace

// --- TPanel ---

const ClassInfo& TPanel::StaticClass() {
  static const ClassInfo info(
      "TPanel", &TCustomControl::StaticClass(),
      PropertyListBuilder<TPanel>()
          .Enum("Alignment", kAlignmentInfo, &TPanel::Alignment, &TPanel::SetAlignment)
          .Enum("BevelOuter", kBevelCutInfo, &TPanel::BevelOuter, &TPanel::SetBevelOuter)
          .Build());
  return info;
}

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 185, 41);
}

void TPanel::SetBevelOuter(TBevelCut bevel) {
  bevel_outer_ = bevel;
  Invalidate();
}

void TPanel::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  Invalidate();
}

void TPanel::Paint() {
  TCustomControl::Paint();
  RECT r = ClientRect();
  if (bevel_outer_ != TBevelCut::bvNone) {
    DrawEdge(Canvas().Handle(), &r,
             bevel_outer_ == TBevelCut::bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER,
             BF_RECT | BF_ADJUST);
  }
  const WideString text = GetText();
  if (!text.empty()) {
    Canvas().TextRect(r, text, HorizontalFlags(alignment_) | DT_VCENTER | DT_SINGLELINE);
  }
}

// --- TLabel ---

const ClassInfo& TLabel::StaticClass() {
  static const ClassInfo info(
      "TLabel", &TGraphicControl::StaticClass(),
      PropertyListBuilder<TLabel>()
          .Enum("Alignment", kAlignmentInfo, &TLabel::Alignment, &TLabel::SetAlignment)
          .Boolean("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize)
          .Object<TWinControl>("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl)
          .Boolean("Transparent", &TLabel::Transparent, &TLabel::SetTransparent)
          .Boolean("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap)
          .Build());
  return info;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 65, 17);
}

void TLabel::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Invalidate();
}

void TLabel::SetWordWrap(bool wrap) {
  word_wrap_ = wrap;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetAutoSize(bool auto_size) {
  auto_size_ = auto_size;
  AdjustBounds();
}

void TLabel::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  Invalidate();
}

void TLabel::SetFocusControl(TWinControl* control) {
  if (focus_control_ != nullptr) {
    focus_control_->RemoveFreeNotification(this);
  }
  focus_control_ = control;
  if (control != nullptr) {
    control->FreeNotification(this);
  }
}

void TLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == focus_control_) {
    focus_control_ = nullptr;
  }
}

UINT TLabel::DrawFlags() const {
  return HorizontalFlags(alignment_) | DT_NOPREFIX | (word_wrap_ ? DT_WORDBREAK : DT_SINGLELINE);
}

void TLabel::AdjustBounds() {
  if (!auto_size_ || IsLoading()) {
    return;
  }
  TCanvas measure;
  ScopedGetDC screen(nullptr);
  measure.SetHandle(screen.Get());
  measure.Font().Assign(&Font());
  RECT r{0, 0, word_wrap_ ? Width() : 0, 0};
  const WideString text = GetText().empty() ? WideString(u" ") : GetText();
  ScopedSelectObject font(screen.Get(), measure.Font().Handle());
  DrawTextW(screen.Get(), AsWin(text), static_cast<int>(text.size()), &r,
            DrawFlags() | DT_CALCRECT);
  SetBounds(Left(), Top(), word_wrap_ ? Width() : r.right, r.bottom);
}

void TLabel::TextChanged() {
  AdjustBounds();
  Invalidate();
}

void TLabel::FontChanged() {
  AdjustBounds();
  Invalidate();
}

void TLabel::Paint() {
  const RECT r = ClientRect();
  if (!transparent_) {
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(r);
  }
  if (!Enabled()) {
    Canvas().Font().SetColor(clGrayText);
  }
  Canvas().TextRect(r, GetText(), DrawFlags());
}

// --- TImage ---

const ClassInfo& TImage::StaticClass() {
  static const ClassInfo info(
      "TImage", &TGraphicControl::StaticClass(),
      PropertyListBuilder<TImage>()
          .Boolean("Center", &TImage::Center, &TImage::SetCenter)
          .Object<TPicture>("Picture",
                            [](const TImage& i) { return const_cast<TPicture*>(&i.picture_); })
          .Boolean("Stretch", &TImage::Stretch, &TImage::SetStretch)
          .Build());
  return info;
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 105, 105);
  picture_.OnChange = [this](TObject*) { Invalidate(); };
}

void TImage::SetStretch(bool stretch) {
  stretch_ = stretch;
  Invalidate();
}

void TImage::SetCenter(bool center) {
  center_ = center;
  Invalidate();
}

void TImage::Paint() {
  const TGraphic* graphic = picture_.Graphic();
  if (graphic == nullptr || graphic->Empty()) {
    return;
  }
  RECT r = ClientRect();
  if (!stretch_) {
    const int x = center_ ? (Width() - graphic->Width()) / 2 : 0;
    const int y = center_ ? (Height() - graphic->Height()) / 2 : 0;
    r = RECT{x, y, x + graphic->Width(), y + graphic->Height()};
  }
  Canvas().StretchDraw(r, *graphic);
}

// --- TPage and TNotebook ---

const ClassInfo& TPage::StaticClass() {
  static const ClassInfo info("TPage", &TCustomControl::StaticClass(), {});
  return info;
}

TPage::TPage(TComponent* owner) : TCustomControl(owner) {
  SetAlign(TAlign::alClient);
}

const ClassInfo& TNotebook::StaticClass() {
  static const ClassInfo info(
      "TNotebook", &TCustomControl::StaticClass(),
      PropertyListBuilder<TNotebook>()
          .String("ActivePage", &TNotebook::ActivePage, &TNotebook::SetActivePage)
          .Integer("PageIndex", &TNotebook::PageIndex, &TNotebook::SetPageIndex)
          .Object<TStrings>(
              "Pages", [](const TNotebook& n) { return static_cast<TStrings*>(n.pages_.get()); })
          .Build());
  return info;
}

TNotebook::TNotebook(TComponent* owner)
    : TCustomControl(owner), pages_(std::make_unique<TStringList>()) {
  SetBounds(0, 0, 150, 150);
  pages_->OnChange = [this](TObject*) { SyncPages(); };
  pages_->Add(u"Default");
}

TNotebook::~TNotebook() {
  Destroying();
  pages_->OnChange = nullptr;
  DestroyHandle();
  while (!page_controls_.empty()) {
    TPage* page = page_controls_.back();
    page_controls_.pop_back();
    delete page;
  }
}

void TNotebook::SyncPages() {
  while (static_cast<int>(page_controls_.size()) < pages_->Count()) {
    auto* page = new TPage(nullptr);  // pages belong to the notebook, not the form
    page->SetParent(this);
    page_controls_.push_back(page);
  }
  while (static_cast<int>(page_controls_.size()) > pages_->Count()) {
    delete page_controls_.back();
    page_controls_.pop_back();
  }
  for (int i = 0; i < static_cast<int>(page_controls_.size()); ++i) {
    page_controls_[static_cast<size_t>(i)]->SetText(pages_->Get(i));
  }
  SetPageIndex(std::clamp(page_index_, 0, std::max(pages_->Count() - 1, 0)));
}

void TNotebook::SetPageIndex(int index) {
  if (index < 0 || index >= static_cast<int>(page_controls_.size())) {
    return;
  }
  page_index_ = index;
  for (int i = 0; i < static_cast<int>(page_controls_.size()); ++i) {
    page_controls_[static_cast<size_t>(i)]->SetVisible(i == index);
  }
}

WideString TNotebook::ActivePage() const {
  return page_index_ < pages_->Count() ? pages_->Get(page_index_) : WideString();
}

void TNotebook::SetActivePage(const WideString& name) {
  SetPageIndex(pages_->IndexOf(name));
}

TPage* TNotebook::PageControl(int index) const {
  return index >= 0 && index < static_cast<int>(page_controls_.size())
             ? page_controls_[static_cast<size_t>(index)]
             : nullptr;
}

}  // namespace kova
