// The framework form's side of a skinned frame: its message method is replaced while the
// frame is skinned, so the framework's own paint probes, caption changes, skin changes
// and dialog characters meet the skin; its colour follows the skin's form colour.
#include <windows.h>

#include "forms/controls/forms.h"
#include "forms/controls/messages.h"
#include "skin/apply/skin_manage_win.h"
#include "skin/apply/skin_messages.h"
#include "skin/apply/win_skin_form_win.h"
#include "skin/data/system_colors.h"

namespace kova {

void TWinSkinForm::HookFormMethod() {
  auto* control = dynamic_cast<TControl*>(Form());
  if (control == nullptr || hooked_form_ != nullptr) {
    return;
  }
  hooked_form_ = control;
  old_window_proc_ = control->WindowProc;
  control->WindowProc = [this](TMessage& message) { NewWndProc(message); };
}

void TWinSkinForm::UnhookFormMethod() {
  if (hooked_form_ == nullptr) {
    return;
  }
  TControl* control = hooked_form_;
  hooked_form_ = nullptr;
  // A call of the replaced method that is running keeps its own copy of the old one.
  control->WindowProc = std::move(old_window_proc_);
  old_window_proc_ = nullptr;
}

void TWinSkinForm::NewWndProc(TMessage& message) {
  // Kept apart from the member: the old method may unhook this one while it runs.
  const TWndMethod old = old_window_proc_;
  auto call_old = [&] {
    if (old) {
      old(message);
    } else if (hooked_form_ != nullptr) {
      hooked_form_->WndProc(message);
    }
  };
  switch (message.Msg) {
    case CM_DIALOGCHAR:
      if (!busy_ && MenuBarDialogChar(message)) {
        return;
      }
      call_old();
      return;
    case kMsgPaintFrameInto:
      if (message.LParam == kSkinMarker) {
        if (message.WParam != 0) {
          UpdateNc(reinterpret_cast<HDC>(message.WParam));
        }
        message.Result = kSkinMarker;
        return;
      }
      call_old();
      return;
    case kMsgProbeSkinned:
      message.Result = message.LParam == kSkinMarker ? kSkinMarker : 1;
      return;
    case WM_SETTEXT:
      call_old();
      RefreshAfterSetText();
      return;
    case kMsgApplySkinChange:
      SkinChange();
      return;
    default:
      call_old();
      return;
  }
}

void TWinSkinForm::RefreshAfterSetText() {
  if (!IsWindow(handle_) || !IsWindowVisible(handle_)) {
    return;
  }
  if (state_ != SkinFormState::kReady && state_ != SkinFormState::kChanging) {
    return;
  }
  switch (window_state_) {
    case SkinWindowState::kMaximized:
      // A maximized MDI child's caption is drawn by the frame's menu row.
      if (TSkinManage* manager = Manager(); manager != nullptr && manager->FMDIClientWnd) {
        PostMessageW(manager->FMDIClientWnd, kMsgMdiMaximized, reinterpret_cast<WPARAM>(handle_),
                     0);
      }
      UpdateNc();
      break;
    case SkinWindowState::kMinimized:
      UpdateNc();
      break;
    case SkinWindowState::kNormal:
      Refresh();
      UpdateNc();
      break;
  }
}

void TWinSkinForm::ApplyFormColor() {
  auto* control = dynamic_cast<TControl*>(Form());
  if (control == nullptr || skin_data_ == nullptr || skin_data_->Empty()) {
    return;
  }
  if (!color_before_) {
    color_before_ = control->Color();
  }
  const TColor color = ResolveColor(skin_data_->Color(TShemeColor::csButtonFace));
  control->SetColor(color);
  // Forms placed on the form as components take the skin's colour as well.
  for (TComponent* component : control->Components()) {
    if (auto* nested = dynamic_cast<TForm*>(component)) {
      nested->SetColor(color);
    }
  }
}

void TWinSkinForm::RestoreFormColor() {
  auto* control = dynamic_cast<TControl*>(Form());
  if (control != nullptr && color_before_ && state_ != SkinFormState::kRemoving) {
    control->SetColor(*color_before_);
  }
  color_before_.reset();
}

}  // namespace kova
