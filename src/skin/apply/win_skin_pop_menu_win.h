// TWinSkinPopMenu: the skinning object of one popup-menu window ("#32768"). It
// subclasses the window for as long as the window lives, answers the skinned-window
// query and, when the skin has a menu background, draws the window's 3-pixel border
// from it and keeps the composed background for the items drawn inside.
#pragma once

#include <windows.h>

#include <memory>

#include "base/win/handles_win.h"

namespace kova {

class TBitmap;
class TSkinData;

class TWinSkinPopMenu {
 public:
  TWinSkinPopMenu();
  TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
  TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;
  ~TWinSkinPopMenu();

  void InitSkin(HWND wnd, TSkinData* data, HMENU menu = nullptr);
  // Gives the window its own procedure back and forgets the background (idempotent).
  void UnSubClass();
  HWND Handle() const { return handle_; }
  TSkinData* SkinData() const { return skin_data_; }
  HMENU Menu() const { return menu_; }
  void SetMenu(HMENU menu) { menu_ = menu; }
  bool FrameworkPopup() const { return framework_popup_; }
  void SetFrameworkPopup(bool value) { framework_popup_ = value; }
  // The bitmap the menu's items are drawn on, once the menu is painted in the skin.
  const TBitmap* Background() const { return background_.get(); }
  // Whether the skin gives popup windows a look of their own.
  bool SkinsBackground() const;

 private:
  static LRESULT CALLBACK MenuWndProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT WinWndProc(UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT Previous(UINT msg, WPARAM wparam, LPARAM lparam) const;
  // Composes the background at the window's size; false without a skinned background.
  bool ComposeBackground();
  void NcPaint(HRGN update);
  void Print(HDC dc, LPARAM flags);

  HWND handle_ = nullptr;
  HMENU menu_ = nullptr;
  TSkinData* skin_data_ = nullptr;
  WNDPROC prev_proc_ = nullptr;
  bool framework_popup_ = false;
  int last_width_ = -1;
  std::unique_ptr<TBitmap> background_;
};

// The most recent popup window whose menu is not yet known, or null.
TWinSkinPopMenu* NewSkinMenu();
void SetNewSkinMenu(TWinSkinPopMenu* menu);

}  // namespace kova
