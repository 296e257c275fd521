// The menu bar of a skinned window with a real native menu: taken off the window and
// drawn as buttons in the frame, the command of a disabled button, the right arrow that
// moves on to the next button's menu and wraps, the menu given back on un-skinning, and
// the buttons of a maximized MDI child in an MDI frame's row.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "menu_test_input.h"
#include "skin/apply/skin_messages.h"
#include "skin/apply/win_skin_form_win.h"
#include "skin/apply/win_skin_menu_win.h"
#include "skin/data/system_colors.h"
#include "skin_apply_fixture.h"

namespace kova {
namespace {

using testing::Pump;

// The menus the timer saw open, in order.
std::vector<HMENU> g_shown;
// Keys pressed (real input) in each menu once it is seen; the last one seen is closed.
UINT g_key = 0;
size_t g_menus_wanted = 1;
// The commands the test windows' own procedure got.
std::vector<WPARAM> g_commands;
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
    testing::PressKeys({static_cast<WORD>(g_key)});
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
    g_commands.clear();
    static bool registered = false;
    if (!registered) {
      registered = true;
      WNDCLASSW cls{};
      cls.lpfnWndProc = [](HWND w, UINT m, WPARAM wp, LPARAM lp) CALLBACK -> LRESULT {
        if (m == WM_COMMAND) {
          g_commands.push_back(wp);
        }
        return DefWindowProcW(w, m, wp, lp);
      };
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
    SetForegroundWindow(wnd);
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

  // A real click on the middle of a menu-bar button.
  void ClickButton(HWND wnd, const TMenuBtn& button) {
    RECT window{};
    GetWindowRect(wnd, &window);
    const RECT r = button.Rect();
    testing::ClickScreen(
        {window.left + (r.left + r.right) / 2, window.top + (r.top + r.bottom) / 2});
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

TEST_F(MenuBarTest, ButtonUnderTheMouseIsFramedUntilTheMouseLeavesIt) {
  HWND wnd = Window(MakeBar());
  TWinSkinForm& entry = Entry(wnd);
  RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  const TMenuBtn& file = *entry.MenuBar()->Buttons()[0];
  const RECT r = file.Rect();
  RECT window{};
  GetWindowRect(wnd, &window);
  const TColor hot = ResolveColor(entry.SkinData()->Color(TShemeColor::csHilight));
  auto edge = [&] {
    const UniqueWindowDC dc = TakeWindowDC(wnd);
    return static_cast<TColor>(GetPixel(dc.Get(), r.left, (r.top + r.bottom) / 2)) & 0xFFFFFF;
  };
  const TColor before = edge();
  ASSERT_NE(before, hot);
  testing::MoveMouse({window.left + (r.left + r.right) / 2, window.top + (r.top + r.bottom) / 2});
  Pump(100);
  EXPECT_EQ(file.State(), NCObjectState::kHot);
  EXPECT_EQ(entry.HotObject(), &file);
  EXPECT_EQ(edge(), hot);
  // Into the client area: the hover timer finds the mouse gone.
  testing::MoveMouse({(window.left + window.right) / 2, (window.top + window.bottom) / 2});
  Pump(600);
  EXPECT_EQ(file.State(), NCObjectState::kNormal);
  EXPECT_EQ(entry.HotObject(), nullptr);
  EXPECT_EQ(edge(), before);
}

TEST_F(MenuBarTest, DisabledButtonShowsNoMenuButPostsItsCommand) {
  HWND wnd = Window(MakeBar());
  TMenuBtn& edit = *Entry(wnd).MenuBar()->Buttons()[1];
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, &WatchMenus);
  ClickButton(wnd, edit);
  Pump(400);
  KillTimer(nullptr, timer);
  EXPECT_TRUE(g_shown.empty());
  ASSERT_EQ(g_commands.size(), 1u);
  EXPECT_EQ(g_commands[0], edit.command);
}

TEST_F(MenuBarTest, RightArrowOnAnItemWithoutSubmenuOpensTheNextMenuAndWraps) {
  HWND wnd = Window(MakeBar());
  const auto& buttons = Entry(wnd).MenuBar()->Buttons();
  g_key = VK_RIGHT;
  g_menus_wanted = 2;
  const UINT_PTR timer = SetTimer(nullptr, 0, 150, &WatchMenus);
  // From the last button the next one is the first (the disabled one is skipped).
  ClickButton(wnd, *buttons[2]);
  Pump(1500);
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

// The skin's MDI button strip: minimize, restore and close, four state images each,
// every button in a colour of its own.
constexpr TColor kMdiColours[3] = {0x2020C0, 0x20C020, 0xC02020};
constexpr int kMdiButton = 14;

TBitmap MdiStrip() {
  TBitmap strip(12 * kMdiButton, kMdiButton);
  for (int x = 0; x < strip.Width(); ++x) {
    for (int y = 0; y < kMdiButton; ++y) {
      strip.SetPixel(x, y, kMdiColours[x / (4 * kMdiButton)]);
    }
  }
  return strip;
}

TEST_F(MenuBarTest, MaximizedMdiChildsButtonsShowInTheFramesMenuRowAndRestoreIt) {
  auto data = std::make_unique<TSkinData>(nullptr);
  data->SetSkinFormtype(TSkinFormType::sfMainform);
  testing::Load(*data, {"[Personality]\nTop=t.bmp\n[MDICONTROLS]\nImage=mdi.bmp\n",
                        {{"t.bmp", testing::Solid(20, 20, 0)}, {"mdi.bmp", MdiStrip()}}});
  data->Loaded();
  datas_.push_back(std::move(data));

  HWND frame = Keep(CreateWindowExW(0, testing::kFrameClass, L"Frame", WS_OVERLAPPEDWINDOW, 20, 20,
                                    520, 360, nullptr, MakeBar(), myinstance(), nullptr));
  CLIENTCREATESTRUCT ccs{};
  HWND client = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 400, 300,
                                frame, nullptr, myinstance(), &ccs);
  ASSERT_NE(client, nullptr);
  ShowWindow(frame, SW_SHOW);
  SetForegroundWindow(frame);
  Pump(30);
  ASSERT_TRUE(Manager().AddForm(frame));
  Pump(100);
  HWND child = CreateWindowExW(WS_EX_MDICHILD, testing::kChildClass, L"child",
                               WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, 10, 10, 200, 150,
                               client, nullptr, myinstance(), nullptr);
  ASSERT_NE(child, nullptr);
  Pump(50);
  TWinSkinForm& entry = Entry(frame);
  ASSERT_NE(entry.MenuBar(), nullptr);

  // The colour at the middle of each MDI button of the frame, after a full frame paint.
  auto colours = [&] {
    RedrawWindow(frame, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    std::vector<std::pair<int32_t, TColor>> seen;
    const UniqueWindowDC dc = TakeWindowDC(frame);
    for (const auto& button : entry.SysButtons()) {
      if (button->Data().Visibility == 100 && button->Visible()) {
        const RECT r = button->Rect();
        seen.emplace_back(button->Action(),
                          static_cast<TColor>(
                              GetPixel(dc.Get(), (r.left + r.right) / 2, (r.top + r.bottom) / 2)) &
                              0xFFFFFF);
      }
    }
    return seen;
  };
  EXPECT_TRUE(colours().empty());  // no child is maximized

  SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
  Pump(100);
  ASSERT_TRUE(IsZoomed(child));
  const std::vector<std::pair<int32_t, TColor>> maximized = colours();
  ASSERT_EQ(maximized.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(maximized[i].first, static_cast<int32_t>(7 + i));
    EXPECT_EQ(maximized[i].second, kMdiColours[i]);
  }
  // They sit in the menu row, right of the menu's buttons.
  const TWinSysButton* restore = nullptr;
  for (const auto& button : entry.SysButtons()) {
    if (button->Action() == 8) {
      restore = button.get();
    }
  }
  ASSERT_NE(restore, nullptr);
  EXPECT_GE(restore->Rect().top, entry.CaptionHeight());
  EXPECT_LE(restore->Rect().bottom, entry.CaptionHeight() + entry.MenuHeight());
  EXPECT_GT(restore->Rect().left, entry.MenuBar()->Buttons().back()->Rect().right);

  // A real click on the restore button restores the child.
  RECT window{};
  GetWindowRect(frame, &window);
  const RECT r = restore->Rect();
  testing::ClickScreen({window.left + (r.left + r.right) / 2, window.top + (r.top + r.bottom) / 2});
  Pump(300);
  EXPECT_FALSE(IsZoomed(child));
  EXPECT_TRUE(colours().empty());
}

}  // namespace
}  // namespace kova
