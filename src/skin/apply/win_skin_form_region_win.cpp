// Setting and taking away the window region of a skinned frame.
#include <windows.h>

#include "skin/apply/frame_region_win.h"
#include "skin/apply/win_skin_form_win.h"

namespace kova {

void TWinSkinForm::Cropwindow() {
  if (state_ == SkinFormState::kDeleted || !skin_frame_ || !IsWindow(handle_)) {
    return;
  }
  const bool mdi_child = form_style_ == SkinFormStyle::kMDIChild;
  if (mdi_child && window_state_ != SkinWindowState::kNormal) {
    return;
  }
  RECT r{};
  GetWindowRect(handle_, &r);
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  if (w <= 0 || h <= 0) {
    return;
  }
  // The region is rebuilt only when the size changed, except where it may have been
  // taken away meanwhile (MDI children) or the skin itself changed.
  if (cropped_ && w == region_width_ && h == region_height_ && !mdi_child &&
      state_ != SkinFormState::kChanging) {
    return;
  }
  if (skin_data_ == nullptr || skin_data_->Empty()) {
    return;
  }
  UniqueRegion region = BuildFrameRegion(*skin_data_, Widths(), border_style_, w, h, active_);
  if (!region || !SetWindowRgn(handle_, region.Get(), TRUE)) {
    return;
  }
  (void)region.Release();  // the window owns it now
  cropped_ = true;
  region_width_ = w;
  region_height_ = h;
}

void TWinSkinForm::Uncropwindow() {
  if (!cropped_) {
    return;
  }
  cropped_ = false;
  region_width_ = 0;
  region_height_ = 0;
  if (IsWindow(handle_)) {
    // The system frees the region it held.
    SetWindowRgn(handle_, nullptr, form_style_ == SkinFormStyle::kMDIChild);
  }
}

}  // namespace kova
