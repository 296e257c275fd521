// Containers inside a skinned window whose background takes the skin's form colour:
// framework panels, nested forms, navigators and tool bars (TSkinBox), and plain-window
// containers such as a nested dialog page or a tool bar window (TSkinBoxH). Their
// children are skinned on their own.
#pragma once

#include "skin/apply/win_skin_control_win.h"

namespace kova {

// The framework paints a panel's background from its colour, so the box sets the colour
// to the skin's form colour while it is skinned (and gives it back afterwards).
class TSkinBox : public TSkinControl {
  KOVA_DECLARE_CLASS(TSkinBox)

 public:
  using TSkinControl::TSkinControl;
  void Init(TSkinControls* list, TWinControl* control, TSkinData* data, TCanvas* canvas,
            bool set_color) override;
  bool BeforeProc(TMessage& message) override;
};

class TSkinBoxH : public TSkinControl {
  KOVA_DECLARE_CLASS(TSkinBoxH)

 public:
  using TSkinControl::TSkinControl;
  bool BeforeProc(TMessage& message) override;
};

// Fills the client area of `wnd` with the skin's form colour.
void FillFormColor(HWND wnd, HDC dc, const TSkinData& data);

}  // namespace kova
