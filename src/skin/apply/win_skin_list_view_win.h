// List views painted from the skin: their scroll bars as any scrolling control's, and
// their column header from the "Headerbar" object.
#pragma once

#include <memory>

#include "skin/apply/win_skin_header_win.h"
#include "skin/apply/win_skin_window_scrollbars_win.h"

namespace kova {

class TSkinListView : public TSkinScrollbar {
  KOVA_DECLARE_CLASS(TSkinListView)

 public:
  using TSkinScrollbar::TSkinScrollbar;
  void Init(TSkinControls* list, TWinControl* control, TSkinData* data, TCanvas* canvas,
            bool set_color) override;
  void Inithwnd(HWND wnd, TSkinData* data, TCanvas* canvas, TSkinControls* list) override;
  void Unsubclass() override;
  void AfterProc(TMessage& message) override;
  void SkinChange() override;

  // The header's object, or null while the list view shows no header.
  TSkinHeader* Header() const { return header_.get(); }

 private:
  // The header window is made when the list view first shows columns, and made again
  // when it changes its view.
  void AttachHeader();
  std::unique_ptr<TSkinHeader> header_;
};

}  // namespace kova
