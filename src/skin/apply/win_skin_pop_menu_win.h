// TWinSkinPopMenu: the skinning object of one popup-menu window ("#32768"). It
// subclasses the window for as long as the window lives and answers the
// skinned-window query.
#pragma once

#include <windows.h>

#include <memory>

namespace kova {

class TBitmap;
class TSkinData;

class TWinSkinPopMenu {
 public:
  TWinSkinPopMenu();
  TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
  TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;
  ~TWinSkinPopMenu();

  void InitSkin(HWND wnd, TSkinData* data);
  // Gives the window its own procedure back (idempotent).
  void UnSubClass();
  HWND Handle() const { return handle_; }
  TSkinData* SkinData() const { return skin_data_; }
  HMENU Menu() const { return menu_; }
  void SetMenu(HMENU menu) { menu_ = menu; }
  bool FrameworkPopup() const { return framework_popup_; }
  void SetFrameworkPopup(bool value) { framework_popup_ = value; }
  // The bitmap the menu's items are drawn on, once the menu is painted in the skin.
  const TBitmap* Background() const { return background_.get(); }

 private:
  static LRESULT CALLBACK MenuWndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);

  HWND handle_ = nullptr;
  HMENU menu_ = nullptr;
  TSkinData* skin_data_ = nullptr;
  WNDPROC prev_proc_ = nullptr;
  bool framework_popup_ = false;
  std::unique_ptr<TBitmap> background_;
};

}  // namespace kova
