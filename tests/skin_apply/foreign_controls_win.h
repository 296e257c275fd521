// Controls of other vendors' libraries as the matching rules meet them: framework
// classes under those libraries' class names, publishing what the rules read.
#pragma once

#include <windows.h>

#include "forms/controls/stdctrls.h"
#include "skin/apply/skin_messages.h"

namespace kova::testing {

// A check box that paints itself and keeps its state in a published "Checked".
class TRzCheckBox : public TCustomControl {
  KOVA_DECLARE_CLASS(TRzCheckBox)

 public:
  explicit TRzCheckBox(TComponent* owner) : TCustomControl(owner) { SetBounds(0, 0, 120, 21); }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked) {
    checked_ = checked;
    Invalidate();
  }
  void Click() override {
    SetChecked(!checked_);
    TCustomControl::Click();
  }

 private:
  bool checked_ = false;
};

inline const ClassInfo& TRzCheckBox::StaticClass() {
  static const ClassInfo info(
      "TRzCheckBox", &TCustomControl::StaticClass(),
      PropertyListBuilder<TRzCheckBox>()
          .Boolean("Checked", &TRzCheckBox::Checked, &TRzCheckBox::SetChecked)
          .Build());
  return info;
}

// A button that handles presses itself.
class TRzButton : public TButton {
  KOVA_DECLARE_CLASS(TRzButton)

 public:
  using TButton::TButton;
};

inline const ClassInfo& TRzButton::StaticClass() {
  static const ClassInfo info("TRzButton", &TButton::StaticClass(), {});
  return info;
}

// An edit with buttons of its own, told by "NumButtons"; it paints itself.
class TDCEdit : public TCustomControl {
  KOVA_DECLARE_CLASS(TDCEdit)

 public:
  using TCustomControl::TCustomControl;
  int NumButtons() const { return buttons_; }
  void SetNumButtons(int buttons) { buttons_ = buttons; }

 private:
  int buttons_ = 0;
};

inline const ClassInfo& TDCEdit::StaticClass() {
  static const ClassInfo info(
      "TDCEdit", &TCustomControl::StaticClass(),
      PropertyListBuilder<TDCEdit>()
          .Integer("NumButtons", &TDCEdit::NumButtons, &TDCEdit::SetNumButtons)
          .Build());
  return info;
}

// A grid of another library: a plain custom control that may hold editors.
class TFooGrid : public TCustomControl {
  KOVA_DECLARE_CLASS(TFooGrid)

 public:
  explicit TFooGrid(TComponent* owner) : TCustomControl(owner) { SetBounds(0, 0, 200, 100); }
};

inline const ClassInfo& TFooGrid::StaticClass() {
  static const ClassInfo info("TFooGrid", &TCustomControl::StaticClass(), {});
  return info;
}

// A control that skins itself: it answers the skinned-window query.
class TSelfSkinned : public TButton {
  KOVA_DECLARE_CLASS(TSelfSkinned)

 public:
  using TButton::TButton;
  void WndProc(TMessage& message) override {
    if (message.Msg == kMsgIsSkinned) {
      message.Result = 1;
      return;
    }
    TButton::WndProc(message);
  }
};

inline const ClassInfo& TSelfSkinned::StaticClass() {
  static const ClassInfo info("TSelfSkinned", &TButton::StaticClass(), {});
  return info;
}

}  // namespace kova::testing
