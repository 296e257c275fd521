// Pages of a page control in the skin's form colour: a framework page takes the colour
// as its own while skinned; a plain window's background is erased with a brush of it,
// which its plain child controls get for their backgrounds too.
#pragma once

#include "base/win/handles_win.h"
#include "skin/apply/win_skin_control_win.h"

namespace kova {

class TSkinTabSheet : public TSkinControl {
  KOVA_DECLARE_CLASS(TSkinTabSheet)

 public:
  using TSkinControl::TSkinControl;
  void Init(TSkinControls* list, TWinControl* control, TSkinData* data, TCanvas* canvas,
            bool set_color) override;
  void Inithwnd(HWND wnd, TSkinData* data, TCanvas* canvas, TSkinControls* list) override;
  bool BeforeProc(TMessage& message) override;
  void SkinChange() override;

 private:
  void MakeBrush();
  UniqueBrush brush_;
};

}  // namespace kova
