// Check boxes and radio buttons painted from the skin's check and radio images: the
// native control keeps its own behaviour (clicks, keyboard, groups) and the skin
// repaints it after every message that changes its look.
#pragma once

#include "skin/apply/check_box_look.h"
#include "skin/apply/win_skin_control_win.h"

namespace kova {

class TSkinCheckBox : public TSkinControl {
  KOVA_DECLARE_CLASS(TSkinCheckBox)

 public:
  using TSkinControl::TSkinControl;
  bool BeforeProc(TMessage& message) override;
  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

 protected:
  virtual bool Radio() const { return false; }

 private:
  CheckProperties Properties() const;
};

// The published properties of a framework control that decide its box's frame, read by
// name ("State", "Checked", "DataField", "DataBinding").
CheckProperties ReadCheckProperties(const TObject* control);

class TSkinRadioButton : public TSkinCheckBox {
  KOVA_DECLARE_CLASS(TSkinRadioButton)

 public:
  using TSkinCheckBox::TSkinCheckBox;

 protected:
  bool Radio() const override { return true; }
};

}  // namespace kova
