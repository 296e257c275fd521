// Combo boxes painted from the skin: the frame of the edit part from "SunkEdge", the
// drop-down button from "ComboButton" in the push-button frames with the "ComboxArrow"
// glyph over what the control draws itself; the drop-down list's scroll bar is skinned
// when the list first opens.
#pragma once

#include <memory>

#include "skin/apply/win_skin_control_win.h"
#include "skin/apply/win_skin_window_scrollbars_win.h"

namespace kova {

class TSkinComBox : public TSkinControl {
  KOVA_DECLARE_CLASS(TSkinComBox)

 public:
  using TSkinControl::TSkinControl;
  void Unsubclass() override;
  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
  void SkinChange() override;

  // The frame the button shows now: 1 normal, 2 while the list is open, 3 disabled, 4 hot.
  int ButtonFrame() const;
  // The open list's object, made the first time the list opened.
  TComboxScrollBar* DropList() const { return drop_list_.get(); }

 private:
  bool Dropped() const;
  void SkinDropList();
  // Paints the skin over what the control shows now.
  void Repaint();

  bool hot_ = false;
  std::unique_ptr<TComboxScrollBar> drop_list_;
};

}  // namespace kova
