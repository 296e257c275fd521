// The older tab set painted from "Tabs": its tabs hang from its top edge, laid out from
// its published "Tabs" list and "StartMargin", the one at "TabIndex" focused. The skin
// paints the tabs where it lays them out, so it also picks the tab a press lands on.
#pragma once

#include <vector>

#include "skin/apply/win_skin_control_win.h"

namespace kova {

class TSkinTab31 : public TSkinControl {
  KOVA_DECLARE_CLASS(TSkinTab31)

 public:
  using TSkinControl::TSkinControl;
  bool BeforeProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  // Where the skin shows each tab, in client coordinates.
  std::vector<RECT> TabRects() const;

 private:
  std::vector<WideString> Texts() const;
  bool HasLook() const;
};

}  // namespace kova
