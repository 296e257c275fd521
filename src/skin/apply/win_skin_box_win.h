// Containers inside a skinned window (a nested dialog page, a tool bar) whose background
// takes the skin's form colour; their children are skinned on their own.
#pragma once

#include "skin/apply/win_skin_control_win.h"

namespace kova {

class TSkinBoxH : public TSkinControl {
  KOVA_DECLARE_CLASS(TSkinBoxH)

 public:
  using TSkinControl::TSkinControl;
  bool BeforeProc(TMessage& message) override;
};

}  // namespace kova
