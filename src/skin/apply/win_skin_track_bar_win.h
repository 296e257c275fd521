// Track bars painted from the skin. The control keeps its range, position and mouse
// handling (its thumb is where the skin draws it); the object follows whether the mouse
// is over or drags the thumb.
#pragma once

#include "skin/apply/win_skin_control_win.h"

namespace kova {

class TSkinTrackBar : public TSkinControl {
  KOVA_DECLARE_CLASS(TSkinTrackBar)

 public:
  using TSkinControl::TSkinControl;
  bool BeforeProc(TMessage& message) override;
  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  bool Vertical() const;
  bool ThumbPressed() const { return pressed_; }
  bool ThumbHot() const { return hot_; }

 private:
  bool HasChannel() const;
  bool OverThumb(LPARAM point) const;
  void SetHot(bool hot);

  bool pressed_ = false;
  bool hot_ = false;
};

}  // namespace kova
