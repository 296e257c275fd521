// The window entry's controls: handed to the control list once the window is set up,
// told about a changed skin, and released when the window is un-skinned.
#include "forms/controls/control.h"
#include "skin/apply/win_skin_form_win.h"

namespace kova {

void TWinSkinForm::InitControls() {
  if (skin_data_ == nullptr || !IsWindow(handle_)) {
    return;
  }
  if (controls_ == nullptr) {
    controls_ = std::make_unique<TSkinControls>(skin_data_, nullptr, this);
  }
  controls_->SetFrameSkinned(skin_frame_);
  controls_->PurgeDestroyed();
  if (auto* form = dynamic_cast<TWinControl*>(Form())) {
    controls_->InitControls(form);
  } else {
    controls_->InitHwndControls(handle_);
  }
}

TSkinControl* TWinSkinForm::AddControlh(HWND wnd) {
  if (controls_ == nullptr || state_ == SkinFormState::kNew) {
    return nullptr;  // set-up collects it with the others
  }
  return controls_->AddControlh(wnd);
}

void TWinSkinForm::DeleteControls() {
  if (controls_ != nullptr) {
    controls_->DeleteControls();
  }
}

}  // namespace kova
