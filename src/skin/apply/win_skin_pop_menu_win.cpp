#include "skin/apply/win_skin_pop_menu_win.h"

#include "forms/graphics/bitmap.h"
#include "skin/apply/skin_messages.h"

namespace kova {

namespace {

// Menu windows keep their object in a property of their own.
constexpr wchar_t kMenuProp[] = L"KOVASkinPopMenu";

}  // namespace

TWinSkinPopMenu::TWinSkinPopMenu() = default;

TWinSkinPopMenu::~TWinSkinPopMenu() {
  UnSubClass();
}

void TWinSkinPopMenu::InitSkin(HWND wnd, TSkinData* data) {
  if (prev_proc_ != nullptr) {
    return;
  }
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
  const WNDPROC prev = self->prev_proc_;
  if (msg == WM_NCDESTROY) {
    self->UnSubClass();
  }
  return CallWindowProcW(prev, wnd, msg, wparam, lparam);
}

}  // namespace kova
