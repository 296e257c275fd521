// Status bars painted from the skin: the form colour behind, "StatusBarEdges" around
// each panel, the panels' texts in the skin's text colour, owner-drawn panels left to
// their owner, and the size grip.
#pragma once

#include "skin/apply/win_skin_control_win.h"

namespace kova {

class TSkinStatusBar : public TSkinControl {
  KOVA_DECLARE_CLASS(TSkinStatusBar)

 public:
  using TSkinControl::TSkinControl;
  bool BeforeProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

 private:
  bool HasEdges() const;
};

}  // namespace kova
