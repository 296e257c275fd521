// The manager's MDI operations on the registered MDI children.
#include <algorithm>

#include "skin/apply/skin_manage_win.h"
#include "skin/apply/skin_window_util_win.h"

namespace kova {

void TSkinManage::SetMDIMax(bool max) {
  if (max == FMDIMax) {
    return;
  }
  FMDIMax = max;
  if (FDefaultData != nullptr && FDefaultData->Options().Has(TSkinOption::xoMDIChildBorder)) {
    return;
  }
  VisitMDIChildren(max);
}

void TSkinManage::SetMDIMax2(bool max) {
  if (max == FMDIMax) {
    return;
  }
  FMDIMax = max;
  VisitMDIChildren(max);
}

void TSkinManage::VisitMDIChildren(bool max) {
  // Regions change window positions, and with them run window procedures: walk a copy.
  const std::vector<TWinSkinForm*> entries = FormRegistry().Entries();
  for (TWinSkinForm* entry : entries) {
    if (!FormRegistry().Contains(entry) || entry->FormStyle() != SkinFormStyle::kMDIChild) {
      continue;
    }
    if (max) {
      if (entry->Cropped()) {
        entry->Uncropwindow();
      }
    } else if (entry->WindowState() != SkinWindowState::kMinimized) {
      entry->SetWindowState(SkinWindowState::kNormal);
      entry->Cropwindow();
      if (!entry->Cropped()) {
        entry->Refresh();
      }
    }
  }
}

void TSkinManage::SetCaption() {
  for (TWinSkinForm* entry : FormRegistry().Entries()) {
    if (entry->FormStyle() == SkinFormStyle::kMDIChild && IsWindow(entry->Handle())) {
      SetWindowLongPtrW(entry->Handle(), GWL_STYLE, WindowStyle(entry->Handle()) | WS_CAPTION);
    }
  }
}

int TSkinManage::GetMDIChildNum() const {
  const auto& entries = FormRegistry().Entries();
  return static_cast<int>(std::count_if(entries.begin(), entries.end(), [](TWinSkinForm* entry) {
    return entry->FormStyle() == SkinFormStyle::kMDIChild;
  }));
}

void TSkinManage::ForgetMDIFrame(HWND client) {
  if (FMDIClientWnd == client) {
    FMDIClientWnd = nullptr;
    FMDIForm = nullptr;
  }
}

}  // namespace kova
