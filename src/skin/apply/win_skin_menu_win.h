// The menu bar of a skinned window: the window's native menu bar is taken off and its
// top-level items are drawn as a row of buttons inside the skinned frame. A press on a
// button opens its submenu below it; while it is open, the arrow keys move to the
// neighbouring buttons.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "base/win/handles_win.h"
#include "skin/apply/win_sys_button_win.h"

namespace kova {

class TMainMenu;
class TSkinData;

class TMenuBtn : public TNCObject {
 public:
  TMenuBtn(TWinSkinForm& owner, int index) : TNCObject(owner), index_(index) {}
  void Draw() override;

  int Index() const { return index_; }
  std::u16string caption;
  bool enabled = true;
  HMENU submenu = nullptr;
  UINT command = 0;

 private:
  int index_;
};

class TWinSkinMenu {
 public:
  explicit TWinSkinMenu(TWinSkinForm& owner) : owner_(owner) {}

  // Rebuilds the buttons from the window's menu bar and takes the bar off the window;
  // false when the window has none. Items of the framework's main menu (if given) show
  // the framework item's caption and state.
  bool UpdataBtn(HWND wnd, const TMainMenu* main_menu = nullptr);
  // Lays the buttons out in the row (window coordinates).
  void SetMenuRect(const RECT& row, const TSkinData* data, bool right_to_left);
  // Paints the row, its buttons and the MDI child buttons placed in it onto the window's
  // device context.
  void DrawMenu(HDC dc, const TSkinData& data) const;
  void DrawButton(HDC dc, const TSkinData& data, const TMenuBtn& button) const;
  // The first visible button containing a window point, or null.
  TMenuBtn* FindBtn(POINT window_point) const;
  // The enabled, visible button whose caption has `key` as accelerator, or null.
  TMenuBtn* FindButtonFromAccel(wchar_t key) const;
  HMENU Menu() const { return menu_; }
  const RECT& MenuRect() const { return menu_rect_; }
  const std::vector<std::unique_ptr<TMenuBtn>>& Buttons() const { return buttons_; }

 private:
  TWinSkinForm& owner_;
  std::vector<std::unique_ptr<TMenuBtn>> buttons_;
  RECT menu_rect_{};
  HMENU menu_ = nullptr;
};

// A new popup menu with the same items, states, ids and submenus.
UniqueMenu CopyHMenu(HMENU menu);

// The font the system draws menus in; null when the system gives no metrics.
UniqueFont SystemMenuFont();
// Menu texts as the system's text functions take them.
inline const wchar_t* Wide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

}  // namespace kova
