// Popup-menu windows of a real menu opened with TrackPopupMenu: their skinned border,
// the skinned-window answer, the system look of a skin without a menu background and
// the erase the background option keeps the system from doing.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "skin/apply/win_skin_pop_menu_win.h"
#include "skin_apply_fixture.h"

namespace kova {
namespace {

using testing::Pump;

constexpr TColor kMenuBg = 0x2080C0;

// What the timer saw of the open menu.
struct OpenMenu {
  bool seen = false;
  LRESULT skinned_answer = 0;
  TColor border = 0;
  bool registered = false;
  bool has_background = false;
  int erases_reaching_system = -1;
};
OpenMenu g_open;

// Erases that reach the procedure below the skin's (the system's own).
int g_system_erases = 0;
WNDPROC g_system_proc = nullptr;
LRESULT CALLBACK CountingMenuProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_ERASEBKGND) {
    ++g_system_erases;
  }
  return CallWindowProcW(g_system_proc, w, m, wp, lp);
}
// Runs before the manager's hook (hooks installed later run first), so the counting
// procedure ends up below the skin's.
LRESULT CALLBACK CountingCbt(int code, WPARAM wp, LPARAM lp) {
  if (code == HCBT_CREATEWND) {
    HWND wnd = reinterpret_cast<HWND>(wp);
    wchar_t cls[16] = {};
    GetClassNameW(wnd, cls, 16);
    if (std::wstring(cls) == L"#32768") {
      g_system_proc = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingMenuProc)));
    }
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

class PopMenuTest : public testing::SkinApplyTest {
 protected:
  void SetUp() override {
    testing::SkinApplyTest::SetUp();
    g_open = {};
    g_system_erases = 0;
  }

  TSkinData* MenuData(bool with_background, bool menu_bg_option) {
    auto data = std::make_unique<TSkinData>(nullptr);
    data->SetSkinFormtype(TSkinFormType::sfMainform);
    TSkinOptions options = data->Options();
    if (menu_bg_option) {
      options.Include(TSkinOption::xoMenuBG);
    } else {
      options.Exclude(TSkinOption::xoMenuBG);
    }
    data->SetOptions(options);
    std::string ini = "[Personality]\nTop=t.bmp\n";
    if (with_background) {
      ini += "[MenuBackground]\nImage=mb.bmp\nTile=1\n";
    }
    testing::Load(
        *data,
        {ini, {{"t.bmp", testing::Solid(20, 20, 0)}, {"mb.bmp", testing::Solid(9, 9, kMenuBg)}}});
    data->Loaded();
    datas_.push_back(std::move(data));
    return datas_.back().get();
  }

  // Opens a real popup menu of a shown window and lets the timer look at it.
  void OpenAndInspect() {
    HWND owner = Keep(testing::MakeWindow(testing::kPlainClass, 200, 120, WS_POPUP | WS_VISIBLE));
    Pump(30);
    const UniqueMenu menu(CreatePopupMenu());
    AppendMenuW(menu.Get(), MF_STRING, 101, L"&First");
    AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu.Get(), MF_STRING, 102, L"&Second");
    const UniqueHook hook(SetWindowsHookExW(WH_CBT, &CountingCbt, nullptr, GetCurrentThreadId()));
    const UINT_PTR timer = SetTimer(nullptr, 0, 150, [](HWND, UINT, UINT_PTR, DWORD) CALLBACK {
      HWND wnd = FindWindowW(L"#32768", nullptr);
      if (wnd == nullptr || !IsWindowVisible(wnd) || g_open.seen) {
        return;
      }
      g_open.seen = true;
      g_open.skinned_answer = SendMessageW(wnd, kMsgIsSkinned, 0, 0);
      RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
      const UniqueWindowDC dc = TakeWindowDC(wnd);
      g_open.border = static_cast<TColor>(GetPixel(dc.Get(), 1, 1)) & 0xFFFFFF;
      for (const auto& popup : SkinManager()->Menus()) {
        if (popup->Handle() == wnd) {
          g_open.registered = true;
          g_open.has_background = popup->Background() != nullptr;
        }
      }
      g_system_erases = 0;
      const UniqueMemoryDC memory(CreateCompatibleDC(dc.Get()));
      SendMessageW(wnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory.Get()), 0);
      g_open.erases_reaching_system = g_system_erases;
      EndMenu();
    });
    TrackPopupMenu(menu.Get(), TPM_RETURNCMD, 60, 60, 0, owner, nullptr);
    KillTimer(nullptr, timer);
    Pump(50);
  }
};

TEST_F(PopMenuTest, SkinnedPopupDrawsItsBorderFromTheMenuBackground) {
  MenuData(true, false);
  Manager();
  OpenAndInspect();
  ASSERT_TRUE(g_open.seen);
  EXPECT_EQ(g_open.skinned_answer, 1);
  EXPECT_TRUE(g_open.registered);
  EXPECT_TRUE(g_open.has_background);
  EXPECT_EQ(g_open.border, kMenuBg);
  // Without the background option the system still erases.
  EXPECT_EQ(g_open.erases_reaching_system, 1);
  // The manager forgets the window and its menu kind with it.
  EXPECT_TRUE(Manager().Menus().empty());
  EXPECT_EQ(Manager().FMenuKind, SkinMenuKind::kPopup);
  EXPECT_FALSE(Manager().FPopupPending);
}

TEST_F(PopMenuTest, MenuBackgroundOptionKeepsTheSystemFromErasing) {
  MenuData(true, true);
  Manager();
  OpenAndInspect();
  ASSERT_TRUE(g_open.seen);
  EXPECT_EQ(g_open.erases_reaching_system, 0);
  EXPECT_EQ(g_open.border, kMenuBg);
}

TEST_F(PopMenuTest, SkinWithoutMenuBackgroundLeavesTheSystemLook) {
  MenuData(false, true);
  Manager();
  OpenAndInspect();
  ASSERT_TRUE(g_open.seen);
  EXPECT_EQ(g_open.skinned_answer, 1);
  EXPECT_FALSE(g_open.has_background);
  EXPECT_NE(g_open.border, kMenuBg);
}

}  // namespace
}  // namespace kova
