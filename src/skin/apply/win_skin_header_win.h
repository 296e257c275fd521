// Header controls painted from the skin: every section from the "Headerbar" object in
// the push-button frames (hot under the mouse, pressed while a clickable section is held,
// disabled with the window), its text and sort mark drawn over it.
#pragma once

#include "skin/apply/win_skin_control_win.h"

namespace kova {

class TSkinHeader : public TSkinControl {
  KOVA_DECLARE_CLASS(TSkinHeader)

 public:
  using TSkinControl::TSkinControl;
  bool BeforeProc(TMessage& message) override;
  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  int HotItem() const { return hot_item_; }
  int PressedItem() const { return pressed_item_; }

 private:
  bool SkinPaints() const;
  // The section under a client point, or -1 (dividers included).
  int ItemAt(POINT point) const;
  void SetItems(int hot, int pressed);
  void DrawTexts(HDC dc, int count) const;

  int hot_item_ = -1;
  int pressed_item_ = -1;
};

}  // namespace kova
