// The menu bar of a skinned window with a real native menu: taken off the window and
// drawn as buttons in the frame, the command of a disabled button, the right arrow that
// moves on to the next button's menu and wraps, and the menu given back on un-skinning.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "skin/apply/skin_messages.h"
#include "skin/apply/win_skin_form_win.h"
#include "skin/apply/win_skin_menu_win.h"
#include "skin_apply_fixture.h"

namespace kova {
namespace {

using testing::Pump;

// The menus the timer saw open, in order.
std::vector<HMENU> g_shown;
// Keys sent to each menu once it is seen; the last one seen is closed.
UINT g_key = 0;
size_t g_menus_wanted = 1;
// Instead of a key: the window that is sent the menu-bar selection of a screen point.
HWND g_select_window = nullptr;
LPARAM g_select_point = 0;

void CALLBACK WatchMenus(HWND, UINT, UINT_PTR, DWORD) {
  HWND wnd = FindWindowW(L"#32768", nullptr);
  if (wnd == nullptr || !IsWindowVisible(wnd)) {
    return;
  }
  const auto shown = reinterpret_cast<HMENU>(SendMessageW(wnd, MN_GETHMENU, 0, 0));
  if (!g_shown.empty() && g_shown.back() == shown) {
    return;
  }
  g_shown.push_back(shown);
  if (g_shown.size() >= g_menus_wanted || (g_key == 0 && g_select_window == nullptr)) {
    EndMenu();
  } else if (g_select_window != nullptr) {
    PostMessageW(g_select_window, kMsgMenuBarSelect, 0, g_select_point);
  } else {
    PostMessageW(wnd, WM_KEYDOWN, g_key, 0);
  }
}

class MenuBarTest : public testing::SkinApplyTest {
 protected:
  void SetUp() override {
    testing::SkinApplyTest::SetUp();
    g_shown.clear();
    g_key = 0;
    g_menus_wanted = 1;
    g_select_window = nullptr;
    g_select_point = 0;
    static bool registered = false;
    if (!registered) {
      registered = true;
      WNDCLASSW cls{};
      cls.lpfnWndProc = DefWindowProcW;
      cls.hInstance = myinstance();
      cls.lpszClassName = L"KovaMenuBarTest";
      RegisterClassW(&cls);
    }
    Data(TSkinFormType::sfMainform);
  }

  // File and View with submenus, Edit disabled; each submenu has an item without one.
  HMENU MakeBar() {
    HMENU bar = CreateMenu();
    for (int i = 0; i < 3; ++i) {
      HMENU sub = CreatePopupMenu();
      AppendMenuW(sub, MF_STRING, 200 + i, L"&Item");
      AppendMenuW(sub, MF_STRING, 210 + i, L"&Other");
      subs_.push_back(sub);
      const wchar_t* names[] = {L"&File", L"&Edit", L"&View"};
      AppendMenuW(bar, MF_POPUP | (i == 1 ? MF_GRAYED : 0), reinterpret_cast<UINT_PTR>(sub),
                  names[i]);
    }
    return bar;
  }

  HWND Window(HMENU menu) {
    HWND wnd = Keep(CreateWindowExW(0, L"KovaMenuBarTest", L"Bar", WS_OVERLAPPEDWINDOW, 30, 30, 360,
                                    220, nullptr, menu, myinstance(), nullptr));
    ShowWindow(wnd, SW_SHOW);
    Pump(30);
    Manager().AddForm(wnd);
    Pump(100);
    return wnd;
  }

  TWinSkinForm& Entry(HWND wnd) {
    TWinSkinForm* entry = Manager().FindSkinForm(wnd);
    EXPECT_NE(entry, nullptr);
    return *entry;
  }

  std::vector<HMENU> subs_;
};

TEST_F(MenuBarTest, WindowWithoutAMenuGetsNoBar) {
  HWND wnd = Window(nullptr);
  EXPECT_EQ(Entry(wnd).MenuBar(), nullptr);
  EXPECT_EQ(Entry(wnd).MenuHeight(), 0);
}

TEST_F(MenuBarTest, MenuBarIsTakenOffAndDrawnAsButtonsInTheFrameAndGivenBack) {
  HMENU bar = MakeBar();
  HWND wnd = Window(bar);
  TWinSkinForm& entry = Entry(wnd);
  ASSERT_NE(entry.MenuBar(), nullptr);
  EXPECT_EQ(GetMenu(wnd), nullptr);
  EXPECT_GT(entry.MenuHeight(), 0);
  RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  const auto& buttons = entry.MenuBar()->Buttons();
  ASSERT_EQ(buttons.size(), 3u);
  EXPECT_FALSE(buttons[1]->enabled);
  // Without a menu-bar object the first button starts 6 pixels into the row.
  EXPECT_EQ(buttons[0]->Rect().left, entry.BorderLeft() + 6);
  EXPECT_EQ(buttons[0]->Rect().top, entry.CaptionHeight());
  EXPECT_EQ(buttons[1]->Rect().left, buttons[0]->Rect().right);
  // The client area starts below the row.
  POINT origin{0, 0};
  ClientToScreen(wnd, &origin);
  RECT window{};
  GetWindowRect(wnd, &window);
  EXPECT_EQ(origin.y - window.top, entry.CaptionHeight() + entry.MenuHeight());
  entry.UnSubclass();
  EXPECT_EQ(GetMenu(wnd), bar);
}

TEST_F(MenuBarTest, DisabledButtonShowsNoMenuButPostsItsCommand) {
  HWND wnd = Window(MakeBar());
  TMenuBtn& edit = *Entry(wnd).MenuBar()->Buttons()[1];
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, &WatchMenus);
  Entry(wnd).CheckMenu(edit);
  MSG msg;
  const bool posted = PeekMessageW(&msg, wnd, WM_COMMAND, WM_COMMAND, PM_REMOVE) != FALSE;
  Pump(300);
  KillTimer(nullptr, timer);
  EXPECT_TRUE(g_shown.empty());
  ASSERT_TRUE(posted);
  EXPECT_EQ(msg.wParam, edit.command);
}

TEST_F(MenuBarTest, RightArrowOnAnItemWithoutSubmenuOpensTheNextMenuAndWraps) {
  HWND wnd = Window(MakeBar());
  const auto& buttons = Entry(wnd).MenuBar()->Buttons();
  g_key = VK_RIGHT;
  g_menus_wanted = 2;
  const UINT_PTR timer = SetTimer(nullptr, 0, 150, &WatchMenus);
  // From the last button the next one is the first (the disabled one is skipped).
  Entry(wnd).CheckMenu(*buttons[2]);
  KillTimer(nullptr, timer);
  ASSERT_EQ(g_shown.size(), 2u);
  EXPECT_EQ(g_shown[0], subs_[2]);
  EXPECT_EQ(g_shown[1], subs_[0]);
}

TEST_F(MenuBarTest, MenuSelectOpensTheMenuOfTheButtonUnderThePoint) {
  HWND wnd = Window(MakeBar());
  const auto& buttons = Entry(wnd).MenuBar()->Buttons();
  RECT window{};
  GetWindowRect(wnd, &window);
  const RECT file = buttons[0]->Rect();
  const RECT view = buttons[2]->Rect();
  // While File's menu is open, a selection over View closes it and opens View's.
  g_select_window = wnd;
  g_select_point = MAKELPARAM(window.left + (view.left + view.right) / 2,
                              window.top + (view.top + view.bottom) / 2);
  g_menus_wanted = 2;
  UINT_PTR timer = SetTimer(nullptr, 0, 150, &WatchMenus);
  Entry(wnd).CheckMenu(*buttons[0]);
  KillTimer(nullptr, timer);
  ASSERT_EQ(g_shown.size(), 2u);
  EXPECT_EQ(g_shown[0], subs_[0]);
  EXPECT_EQ(g_shown[1], subs_[2]);

  // With no menu open it opens the button's menu; a point beside the buttons opens none.
  g_shown.clear();
  g_select_window = nullptr;
  g_menus_wanted = 1;
  timer = SetTimer(nullptr, 0, 150, &WatchMenus);
  SendMessageW(wnd, kMsgMenuBarSelect, 0,
               MAKELPARAM(window.left + (file.left + file.right) / 2,
                          window.top + (file.top + file.bottom) / 2));
  SendMessageW(wnd, kMsgMenuBarSelect, 0, MAKELPARAM(window.left + 2, window.top + 2));
  Pump(300);
  KillTimer(nullptr, timer);
  ASSERT_EQ(g_shown.size(), 1u);
  EXPECT_EQ(g_shown[0], subs_[0]);
}

}  // namespace
}  // namespace kova
