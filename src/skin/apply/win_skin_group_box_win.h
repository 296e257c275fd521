// Group boxes, radio groups and check groups painted in the skin's colours: the form
// colour behind, an etched frame in the skin's shadow and highlight colours, and the
// caption in the skin's text colour over a gap in the frame's top line.
#pragma once

#include "skin/apply/win_skin_control_win.h"

namespace kova {

class TSkinGroupBox : public TSkinControl {
  KOVA_DECLARE_CLASS(TSkinGroupBox)

 public:
  using TSkinControl::TSkinControl;
  bool BeforeProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
  // Distance of the caption from the frame's left end.
  static constexpr int kCaptionIndent = 8;
};

}  // namespace kova
