#include "forms/controls/groupbox.h"

#include <algorithm>

namespace kova {

namespace {

// Room the system's group box keeps for its caption line and its frame.
constexpr int kCaptionRoom = 16;
constexpr int kFrameRoom = 8;

}  // namespace

// --- TGroupBox ---

const ClassInfo& TGroupBox::StaticClass() {
  static const ClassInfo info("TGroupBox", &TWinControl::StaticClass(), {});
  return info;
}

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 185, 105);
}

void TGroupBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.system_class = L"BUTTON";
  params.style |= BS_GROUPBOX;
}

RECT TGroupBox::ContentRect() const {
  const RECT client = ClientRect();
  return RECT{client.left + kFrameRoom, client.top + kCaptionRoom, client.right - kFrameRoom,
              client.bottom - kFrameRoom};
}

// --- TRadioGroup ---

const ClassInfo& TRadioGroup::StaticClass() {
  static const ClassInfo info(
      "TRadioGroup", &TGroupBox::StaticClass(),
      PropertyListBuilder<TRadioGroup>()
          .Integer("Columns", &TRadioGroup::Columns, &TRadioGroup::SetColumns)
          .Integer("ItemIndex", &TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex)
          .Object<TStrings>(
              "Items", [](const TRadioGroup& g) { return static_cast<TStrings*>(g.items_.get()); })
          .Build());
  return info;
}

TRadioGroup::TRadioGroup(TComponent* owner)
    : TGroupBox(owner), items_(std::make_unique<TStringList>()) {
  items_->OnChange = [this](TObject*) { SyncButtons(); };
}

TRadioGroup::~TRadioGroup() {
  items_->OnChange = nullptr;
}

void TRadioGroup::SyncButtons() {
  updating_ = true;
  while (static_cast<int>(buttons_.size()) < items_->Count()) {
    auto* button = new TRadioButton(this);  // the group's own, freed with it
    button->SetParent(this);
    button->SetTabStop(false);
    button->OnClick = [this](TObject* sender) { ButtonClicked(sender); };
    buttons_.push_back(button);
  }
  while (static_cast<int>(buttons_.size()) > items_->Count()) {
    delete buttons_.back();
    buttons_.pop_back();
  }
  for (int i = 0; i < ButtonCount(); ++i) {
    buttons_[static_cast<size_t>(i)]->SetCaption(items_->Get(i));
  }
  if (item_index_ >= items_->Count()) {
    item_index_ = -1;
  }
  for (int i = 0; i < ButtonCount(); ++i) {
    buttons_[static_cast<size_t>(i)]->SetChecked(i == item_index_);
  }
  updating_ = false;
  ArrangeButtons();
}

void TRadioGroup::ArrangeButtons() {
  if (buttons_.empty()) {
    return;
  }
  const RECT area = ContentRect();
  const int columns = std::max(columns_, 1);
  const int rows = (ButtonCount() + columns - 1) / columns;
  const int column_width = std::max<int>((area.right - area.left) / columns, 1);
  const int row_height = std::max<int>((area.bottom - area.top) / std::max(rows, 1), 1);
  for (int i = 0; i < ButtonCount(); ++i) {
    const int column = i / rows;
    const int row = i % rows;
    const int height = std::min(row_height, 21);
    buttons_[static_cast<size_t>(i)]->SetBounds(
        area.left + column * column_width, area.top + row * row_height + (row_height - height) / 2,
        column_width, height);
  }
}

void TRadioGroup::SetBounds(int left, int top, int width, int height) {
  TGroupBox::SetBounds(left, top, width, height);
  ArrangeButtons();
}

void TRadioGroup::SetItemIndex(int index) {
  item_index_ = index >= 0 && index < items_->Count() ? index : -1;
  updating_ = true;
  for (int i = 0; i < ButtonCount(); ++i) {
    buttons_[static_cast<size_t>(i)]->SetChecked(i == item_index_);
  }
  updating_ = false;
}

void TRadioGroup::SetColumns(int columns) {
  columns_ = std::clamp(columns, 1, 16);
  ArrangeButtons();
}

TRadioButton* TRadioGroup::Button(int index) const {
  return index >= 0 && index < ButtonCount() ? buttons_[static_cast<size_t>(index)] : nullptr;
}

void TRadioGroup::ButtonClicked(TObject* sender) {
  if (updating_) {
    return;
  }
  const auto it = std::find(buttons_.begin(), buttons_.end(), sender);
  if (it != buttons_.end() && (*it)->Checked()) {
    item_index_ = static_cast<int>(it - buttons_.begin());
    Click();
  }
}

}  // namespace kova
