// Up-down buttons painted from the skin. The control keeps its mouse handling (it
// repeats, moves its position and updates its buddy); the object follows which of its
// two buttons is pressed or under the mouse.
#pragma once

#include "skin/apply/skin_up_down_paint.h"
#include "skin/apply/win_skin_control_win.h"

namespace kova {

class TSkinUpDown : public TSkinControl {
  KOVA_DECLARE_CLASS(TSkinUpDown)

 public:
  using TSkinControl::TSkinControl;
  bool BeforeProc(TMessage& message) override;
  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  UpDownPart Pressed() const { return pressed_; }
  UpDownPart Hot() const { return hot_; }

 private:
  bool Horizontal() const;
  bool HasImage() const;
  UpDownPart PartAt(LPARAM point) const;
  void SetParts(UpDownPart pressed, UpDownPart hot);

  UpDownPart pressed_ = UpDownPart::kNone;
  UpDownPart hot_ = UpDownPart::kNone;
};

}  // namespace kova
