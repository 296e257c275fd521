#include "skin/apply/win_skin_form_win.h"

#include "skin/apply/skin_manage_win.h"
#include "skin/apply/skin_messages.h"

namespace kova {

namespace {

// The entry of a subclassed window, kept in a window property under the unit's name.
void Bind(HWND wnd, void* object) {
  SetPropW(wnd, AsWin(PropName()), object);
}
void* Bound(HWND wnd) {
  return GetPropW(wnd, AsWin(PropName()));
}
void Unbind(HWND wnd) {
  RemovePropW(wnd, AsWin(PropName()));
}

// Menu windows use a property of their own beside the forms'.
constexpr wchar_t kMenuProp[] = L"KOVASkinPopMenu";

}  // namespace

const ClassInfo& TWinSkinForm::StaticClass() {
  static const ClassInfo info("TWinSkinForm", &TComponent::StaticClass(), {});
  return info;
}

TWinSkinForm::TWinSkinForm(TComponent* owner, TSkinManage* manager)
    : TComponent(owner), manager_(manager) {}

TWinSkinForm::~TWinSkinForm() {
  UnSubclass();
  if (manager_ != nullptr && manager_ == SkinManager()) {
    manager_->DeleteForm2(handle_);
  }
}

void TWinSkinForm::InitTform(TSkinData* data, TComponent*) {
  skin_data_ = data;
  Subclass();
}

void TWinSkinForm::InitDlg(TSkinData* data) {
  skin_data_ = data;
  Subclass();
}

void TWinSkinForm::Subclass() {
  if (handle_ == nullptr || prev_proc_ != nullptr) {
    return;
  }
  Bind(handle_, this);
  prev_proc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinSkinForm::WinWndProc)));
}

void TWinSkinForm::UnSubclass() {
  if (prev_proc_ == nullptr) {
    return;
  }
  if (IsWindow(handle_)) {
    SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(prev_proc_));
    Unbind(handle_);
  }
  prev_proc_ = nullptr;
}

void TWinSkinForm::RePaint() {
  if (IsWindow(handle_)) {
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
}

void TWinSkinForm::SkinChange() {
  state_ = SkinFormState::kChanging;
  RePaint();
  state_ = SkinFormState::kReady;
}

LRESULT CALLBACK TWinSkinForm::WinWndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* self = static_cast<TWinSkinForm*>(Bound(wnd));
  if (self == nullptr || self->prev_proc_ == nullptr) {
    return DefWindowProcW(wnd, msg, wparam, lparam);
  }
  return self->Dispatch(msg, wparam, lparam);
}

LRESULT TWinSkinForm::Dispatch(UINT msg, WPARAM wparam, LPARAM lparam) {
  WNDPROC prev = prev_proc_;
  switch (msg) {
    case kMsgIsSkinned:
      return 1;
    case kMsgFinishSetup:
      if (state_ == SkinFormState::kNew) {
        state_ = SkinFormState::kReady;
      }
      return 0;
    case WM_NCDESTROY: {
      state_ = SkinFormState::kRemoving;
      UnSubclass3();
      const LRESULT result = CallWindowProcW(prev, handle_, msg, wparam, lparam);
      state_ = SkinFormState::kDeleted;
      return result;
    }
    default:
      return CallWindowProcW(prev, handle_, msg, wparam, lparam);
  }
}

// ---- popup menus ----

void TWinSkinPopMenu::InitSkin(HWND wnd, TSkinData* data) {
  handle_ = wnd;
  skin_data_ = data;
  SetPropW(wnd, kMenuProp, this);
  prev_proc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinSkinPopMenu::MenuWndProc)));
}

void TWinSkinPopMenu::UnSubClass() {
  if (prev_proc_ == nullptr) {
    return;
  }
  if (IsWindow(handle_)) {
    SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(prev_proc_));
    RemovePropW(handle_, kMenuProp);
  }
  prev_proc_ = nullptr;
}

LRESULT CALLBACK TWinSkinPopMenu::MenuWndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* self = static_cast<TWinSkinPopMenu*>(GetPropW(wnd, kMenuProp));
  if (self == nullptr || self->prev_proc_ == nullptr) {
    return DefWindowProcW(wnd, msg, wparam, lparam);
  }
  if (msg == kMsgIsSkinned) {
    return 1;
  }
  WNDPROC prev = self->prev_proc_;
  if (msg == WM_NCDESTROY) {
    self->UnSubClass();
  }
  return CallWindowProcW(prev, wnd, msg, wparam, lparam);
}

}  // namespace kova
