// Edits inside a skinned window: the native edit keeps its text and caret, and its
// border is drawn in the skin's shadow colour over the system's one.
#pragma once

#include "skin/apply/win_skin_control_win.h"

namespace kova {

class TSkinEdit : public TSkinControl {
  KOVA_DECLARE_CLASS(TSkinEdit)

 public:
  using TSkinControl::TSkinControl;
  bool BeforeProc(TMessage& message) override;
  void AfterProc(TMessage& message) override;

 private:
  // The border ring (window coordinates) into `dc`, which covers the whole window.
  void DrawBorder(HDC dc) const;
};

}  // namespace kova
