// Group boxes, and the radio group: a group box that holds one radio button per line of
// its Items and keeps the checked one as ItemIndex.
#pragma once

#include <memory>
#include <vector>

#include "forms/classes/strings.h"
#include "forms/controls/stdctrls.h"

namespace kova {

// A frame with a caption around other controls, over the system's group box button.
class TGroupBox : public TWinControl {
  KOVA_DECLARE_CLASS(TGroupBox)

 public:
  explicit TGroupBox(TComponent* owner);
  // The client area less the frame and caption, where children are placed.
  RECT ContentRect() const;

 protected:
  void CreateParams(TCreateParams& params) override;
};

class TRadioGroup : public TGroupBox {
  KOVA_DECLARE_CLASS(TRadioGroup)

 public:
  explicit TRadioGroup(TComponent* owner);
  ~TRadioGroup() override;

  TStringList& Items() { return *items_; }
  int ItemIndex() const { return item_index_; }
  void SetItemIndex(int index);
  int Columns() const { return columns_; }
  void SetColumns(int columns);
  // The radio button of an item, or null.
  TRadioButton* Button(int index) const;
  int ButtonCount() const { return static_cast<int>(buttons_.size()); }

  void SetBounds(int left, int top, int width, int height) override;

 private:
  void SyncButtons();
  void ArrangeButtons();
  void ButtonClicked(TObject* sender);

  std::unique_ptr<TStringList> items_;
  std::vector<TRadioButton*> buttons_;  // owned by this group as components
  int item_index_ = -1;
  int columns_ = 1;
  bool updating_ = false;
};

}  // namespace kova
