#include "skin/apply/win_skin_list_view_win.h"

#include <commctrl.h>

namespace kova {

const ClassInfo& TSkinListView::StaticClass() {
  static const ClassInfo info("TSkinListView", &TSkinScrollbar::StaticClass(), {});
  return info;
}

void TSkinListView::Init(TSkinControls* list, TWinControl* control, TSkinData* data,
                         TCanvas* canvas, bool set_color) {
  TSkinScrollbar::Init(list, control, data, canvas, set_color);
  AttachHeader();
}

void TSkinListView::Inithwnd(HWND wnd, TSkinData* data, TCanvas* canvas, TSkinControls* list) {
  TSkinScrollbar::Inithwnd(wnd, data, canvas, list);
  AttachHeader();
}

void TSkinListView::AttachHeader() {
  if (handle_ == nullptr || skin_data_ == nullptr || !initialized_ ||
      state_ == SkinControlState::kDestroyed) {
    return;
  }
  if (header_ && header_->State() != SkinControlState::kDestroyed) {
    return;
  }
  // Looked up among the children: asking the list view would come back through here.
  HWND header = FindWindowExW(handle_, nullptr, WC_HEADERW, nullptr);
  if (header == nullptr) {
    return;
  }
  header_.reset();
  auto made = std::make_unique<TSkinHeader>(nullptr);
  // Not listed: the list view's object owns it and releases it with itself.
  made->Inithwnd(header, skin_data_, canvas_, nullptr);
  header_ = std::move(made);
}

void TSkinListView::Unsubclass() {
  if (header_ && header_->State() != SkinControlState::kDestroyed) {
    header_->Unsubclass();
  }
  header_.reset();
  TSkinScrollbar::Unsubclass();
}

void TSkinListView::AfterProc(TMessage& message) {
  TSkinScrollbar::AfterProc(message);
  switch (message.Msg) {
    case LVM_SETVIEW:
    case LVM_INSERTCOLUMNA:
    case LVM_INSERTCOLUMNW:
    case WM_STYLECHANGED:
    case WM_SHOWWINDOW:
      AttachHeader();
      break;
    default:
      break;
  }
}

void TSkinListView::SkinChange() {
  TSkinScrollbar::SkinChange();
  if (header_ && header_->State() != SkinControlState::kDestroyed) {
    header_->SkinChange();
  }
}

}  // namespace kova
