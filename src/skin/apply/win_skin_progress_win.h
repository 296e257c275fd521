// Progress bars painted from the skin: the native bar keeps its range and position, and
// the skin repaints it after every message that moves it.
#pragma once

#include "skin/apply/win_skin_control_win.h"

namespace kova {

class TSkinProgress : public TSkinControl {
  KOVA_DECLARE_CLASS(TSkinProgress)

 public:
  using TSkinControl::TSkinControl;
  bool BeforeProc(TMessage& message) override;
  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
};

}  // namespace kova
