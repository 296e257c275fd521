// A size grip inside a skinned window: the skin's form colour with the system's grip
// drawn over it, so the grip keeps its meaning without the system face colour.
#pragma once

#include "skin/apply/win_skin_control_win.h"

namespace kova {

class TSkinSizer : public TSkinControl {
  KOVA_DECLARE_CLASS(TSkinSizer)

 public:
  using TSkinControl::TSkinControl;
  bool BeforeProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
};

}  // namespace kova
