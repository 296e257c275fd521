// The skinned menu bar of a window entry: set-up and give-back of the native bar, its
// row in the frame, and opening a button's menu with the thread's message-filter hook
// that lets the arrow keys move between buttons while a menu is open.
#include <windows.h>
#include <windowsx.h>

#include "forms/controls/forms.h"
#include "forms/win/platform_boundary_win.h"
#include "skin/apply/menu_layout.h"
#include "skin/apply/skin_manage_win.h"
#include "skin/apply/win_skin_form_win.h"
#include "skin/apply/win_skin_menu_win.h"

namespace kova {

namespace {

// The open menu-bar menu of this thread, for the hook.
struct MenuHookState {
  TWinSkinForm* form = nullptr;
  TMenuBtn* button = nullptr;
  HMENU top_menu = nullptr;
  bool first_message = true;
  bool item_opens_submenu = false;
  HMENU selected_menu = nullptr;
  // The button whose menu opens once this one has closed.
  TMenuBtn* next = nullptr;
  POINT cursor{};
};
thread_local MenuHookState g_hook;

// Moves to another button: the open menu closes and the other one's opens.
void SwitchTo(TMenuBtn* next) {
  if (next == nullptr || next == g_hook.button) {
    return;
  }
  g_hook.next = next;
  EndMenu();
}

std::vector<MenuBarItem> BarItems(const TWinSkinMenu& bar) {
  std::vector<MenuBarItem> items;
  for (const auto& b : bar.Buttons()) {
    items.push_back({0, b->caption.empty(), b->Visible() && b->enabled});
  }
  return items;
}

void FilterMessage(const MSG& msg) {
  TWinSkinMenu* bar = g_hook.form->MenuBar();
  if (bar == nullptr) {
    return;
  }
  if (g_hook.first_message) {
    g_hook.first_message = false;
    // Selects the first item, as a keyboard-opened menu bar does.
    PostMessageW(msg.hwnd, WM_KEYDOWN, VK_DOWN, 0);
  }
  switch (msg.message) {
    case WM_SYSKEYDOWN:
      if (msg.wParam == VK_MENU) {
        g_hook.form->CancelMenu();
        EndMenu();
      }
      break;
    case WM_MENUSELECT:
      if (HIWORD(msg.wParam) == 0xFFFF && msg.lParam == 0) {
        break;  // the menu closes
      }
      g_hook.item_opens_submenu = (HIWORD(msg.wParam) & MF_POPUP) != 0;
      g_hook.selected_menu = reinterpret_cast<HMENU>(msg.lParam);
      break;
    case WM_MOUSEMOVE: {
      POINT cursor{};
      GetCursorPos(&cursor);
      if (cursor.x == g_hook.cursor.x && cursor.y == g_hook.cursor.y) {
        break;
      }
      g_hook.cursor = cursor;
      RECT window{};
      GetWindowRect(g_hook.form->Handle(), &window);
      if (TMenuBtn* over = bar->FindBtn({cursor.x - window.left, cursor.y - window.top})) {
        SwitchTo(over);
      }
      break;
    }
    case WM_KEYDOWN: {
      const bool rtl =
          (GetWindowLongPtrW(g_hook.form->Handle(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
      const bool top = g_hook.selected_menu == nullptr || g_hook.selected_menu == g_hook.top_menu;
      const MenuKeyMove move =
          MenuKeyAction(static_cast<uint32_t>(msg.wParam), rtl, g_hook.item_opens_submenu, top);
      if (move == MenuKeyMove::kEndSwitch) {
        g_hook.next = nullptr;
      } else if (move != MenuKeyMove::kNone) {
        const std::vector<MenuBarItem> items = BarItems(*bar);
        const size_t next = NeighbourMenuButton(items, static_cast<size_t>(g_hook.button->Index()),
                                                move == MenuKeyMove::kNext);
        SwitchTo(bar->Buttons()[next].get());
      }
      break;
    }
    default:
      break;
  }
}

LRESULT CALLBACK MenuHookProc(int code, WPARAM wparam, LPARAM lparam) {
  const LRESULT next = CallNextHookEx(nullptr, code, wparam, lparam);
  if (next != 0 || code != MSGF_MENU || g_hook.form == nullptr || lparam == 0) {
    return next;
  }
  RunAtPlatformBoundary([&] { FilterMessage(*reinterpret_cast<const MSG*>(lparam)); });
  return 0;
}

}  // namespace

void TWinSkinForm::SetupMenuBar() {
  if (!skin_frame_ || border_style_ == SkinBorderStyle::kNone || child_) {
    return;
  }
  if (skin_menu_ == nullptr) {
    if (GetMenu(handle_) == nullptr) {
      return;  // a window without a menu gets no bar
    }
    skin_menu_ = std::make_unique<TWinSkinMenu>(*this);
  }
  if (dynamic_cast<TMenuBtn*>(hot_object_) != nullptr) {
    hot_object_ = nullptr;  // the buttons are made anew
  }
  if (!skin_menu_->UpdataBtn(handle_, FrameworkMainMenu())) {
    skin_menu_.reset();
    menu_height_ = 0;
    return;
  }
  menu_height_ = GetSystemMetrics(SM_CYMENU);
}

const TMainMenu* TWinSkinForm::FrameworkMainMenu() const {
  const auto* form = dynamic_cast<const TForm*>(Form());
  return form != nullptr ? form->Menu() : nullptr;
}

void TWinSkinForm::ReleaseMenuBar() {
  if (skin_menu_ == nullptr) {
    return;
  }
  if (hot_object_ != nullptr) {
    for (const auto& b : skin_menu_->Buttons()) {
      if (b.get() == hot_object_) {
        hot_object_ = nullptr;
      }
    }
  }
  const HMENU menu = skin_menu_->Menu();
  skin_menu_.reset();
  menu_height_ = 0;
  RestoreMenuItems();
  if (IsWindow(handle_) && IsMenu(menu) && GetMenu(handle_) == nullptr) {
    SetMenu(handle_, menu);
  }
}

void TWinSkinForm::LayoutMenuBar() {
  if (skin_menu_ == nullptr) {
    return;
  }
  RECT window{};
  GetWindowRect(handle_, &window);
  const int width = window.right - window.left;
  const RECT row{border_left_, caption_height_, width - border_right_,
                 caption_height_ + menu_height_};
  skin_menu_->SetMenuRect(row, skin_data_, right_to_left_);
}

void TWinSkinForm::DrawMenuBar(HDC dc) {
  if (skin_menu_ == nullptr || skin_data_ == nullptr) {
    return;
  }
  LayoutMenuBar();
  skin_menu_->DrawMenu(dc, *skin_data_);
}

void TWinSkinForm::RedrawMenuButton(const TMenuBtn&) {
  // The row is one bitmap: a button is redrawn with the row under it.
  RedrawMenuRow();
}

void TWinSkinForm::RedrawMenuRow() {
  if (skin_menu_ == nullptr || skin_data_ == nullptr || !IsWindow(handle_)) {
    return;
  }
  UniqueWindowDC dc = TakeWindowDC(handle_);
  skin_menu_->DrawMenu(dc.Get(), *skin_data_);
}

bool TWinSkinForm::MenuBarButtonDown(POINT window_point) {
  if (skin_menu_ == nullptr) {
    return false;
  }
  LayoutMenuBar();
  TMenuBtn* button = skin_menu_->FindBtn(window_point);
  if (button == nullptr) {
    return false;
  }
  CheckMenu(*button);
  return true;
}

bool TWinSkinForm::MenuBarKey(WPARAM key) {
  if (skin_menu_ == nullptr || skin_menu_->Buttons().empty()) {
    return false;
  }
  LayoutMenuBar();
  TMenuBtn* button = key != 0 ? skin_menu_->FindButtonFromAccel(static_cast<wchar_t>(key))
                              : skin_menu_->Buttons().front().get();
  if (button == nullptr) {
    return false;
  }
  CheckMenu(*button);
  return true;
}

void TWinSkinForm::CheckMenu(TMenuBtn& button) {
  // 1. The command goes first, even for a disabled button or one without a submenu.
  PostMessageW(handle_, WM_COMMAND, button.command, 0);
  if (button.submenu == nullptr || busy_) {
    return;
  }
  // 2-3. The hook's state; the submenu's items drawn by the skin.
  RECT window{};
  GetWindowRect(handle_, &window);
  WMINITMENU(button.submenu);
  // 4. The manager knows a menu-bar menu opens.
  busy_ = true;
  if (TSkinManage* manager = Manager()) {
    manager->FMenuKind = SkinMenuKind::kMenuBar;
    manager->FPopupPending = true;
  }
  // 5. The thread's message-filter hook.
  g_hook = {};
  g_hook.form = this;
  g_hook.button = &button;
  g_hook.top_menu = button.submenu;
  GetCursorPos(&g_hook.cursor);
  const UniqueHook hook(
      SetWindowsHookExW(WH_MSGFILTER, &MenuHookProc, nullptr, GetCurrentThreadId()));
  // 6. The menu below the button.
  if (button.enabled) {
    button.SetState(NCObjectState::kPressed);
    RedrawMenuButton(button);
    const RECT r = button.Rect();
    if (right_to_left_) {
      TrackPopupMenu(button.submenu, TPM_NONOTIFY | TPM_RIGHTBUTTON | TPM_RIGHTALIGN,
                     window.left + r.right, window.top + r.bottom, 0, handle_, nullptr);
    } else {
      TrackPopupMenu(button.submenu, TPM_NONOTIFY | TPM_RIGHTBUTTON, window.left + r.left,
                     window.top + r.bottom, 0, handle_, nullptr);
    }
    button.SetState(NCObjectState::kNormal);
    RedrawMenuButton(button);
  }
  // 7. The hook goes with its state.
  TMenuBtn* next = g_hook.next;
  g_hook = {};
  busy_ = false;
  if (next != nullptr) {
    CheckMenu(*next);
  }
}

void TWinSkinForm::ClickButton(const TMenuBtn& button) {
  RECT window{};
  GetWindowRect(handle_, &window);
  const RECT r = button.Rect();
  PostMessageW(handle_, WM_NCLBUTTONDOWN, HTCLIENT,
               MAKELPARAM(window.left + r.left + 1, window.top + r.top + 1));
}

void TWinSkinForm::MenuSelect(LPARAM screen_point) {
  if (skin_menu_ == nullptr) {
    return;
  }
  LayoutMenuBar();
  RECT window{};
  GetWindowRect(handle_, &window);
  const POINT point{GET_X_LPARAM(screen_point) - window.left,
                    GET_Y_LPARAM(screen_point) - window.top};
  TMenuBtn* button = skin_menu_->FindBtn(point);
  if (button == nullptr) {
    return;
  }
  if (g_hook.form == this) {
    SwitchTo(button);
  } else if (!busy_) {
    CheckMenu(*button);
  }
}

void TWinSkinForm::CancelMenu() {
  busy_ = false;
}

}  // namespace kova
