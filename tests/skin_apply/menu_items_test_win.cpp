// Owner-drawn items of a real popup menu of a skinned window: their measure, the skin's
// item states drawn in the open menu, the command a keyboard choice delivers, the items'
// own types given back when the window is un-skinned, and the skinned system menu drawn
// the same way.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "menu_test_input.h"
#include "product_skin.h"
#include "skin/apply/win_skin_form_win.h"
#include "skin_apply_fixture.h"

namespace kova {
namespace {

using testing::Pump;

constexpr TColor kMenuBg = 0x204060;
constexpr TColor kItemFrames[5] = {0x10A010, 0x0000FF, 0x00FF00, 0xC02080, 0x808080};

TBitmap ItemStrip() {
  TBitmap bitmap(8 * 5, 8);
  for (int f = 0; f < 5; ++f) {
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 8; ++x) {
        bitmap.SetPixel(f * 8 + x, y, kItemFrames[f]);
      }
    }
  }
  return bitmap;
}

// What the timer saw of the open menu, and the keys it sent.
struct Seen {
  int ticks = 0;
  bool open = false;
  std::vector<int> heights;
  TColor first_item = 0;
  TColor first_item_selected = 0;
  std::vector<UINT> keys;  // sent to the menu once looked at
};
Seen g_seen;
HWND g_owner = nullptr;
HMENU g_menu = nullptr;

TColor MenuPixel(HWND menu_wnd, POINT screen) {
  RECT window{};
  GetWindowRect(menu_wnd, &window);
  const UniqueWindowDC dc = TakeWindowDC(menu_wnd);
  return static_cast<TColor>(GetPixel(dc.Get(), screen.x - window.left, screen.y - window.top)) &
         0xFFFFFF;
}

// First tick: measures and the unselected look, then selects the first item; the
// menu's own loop takes the key, so the second tick sees the selection.
void CALLBACK LookAtMenu(HWND, UINT, UINT_PTR, DWORD) {
  HWND wnd = FindWindowW(L"#32768", nullptr);
  if (wnd == nullptr || !IsWindowVisible(wnd) || g_seen.ticks >= 2) {
    return;
  }
  RECT first{};
  GetMenuItemRect(nullptr, g_menu, 0, &first);
  // Inside the check column, left of any glyph or text.
  const POINT probe{first.left + 1, first.top + 1};
  RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  if (g_seen.ticks++ == 0) {
    g_seen.open = true;
    const int count = GetMenuItemCount(g_menu);
    for (int i = 0; i < count; ++i) {
      RECT r{};
      GetMenuItemRect(nullptr, g_menu, static_cast<UINT>(i), &r);
      g_seen.heights.push_back(r.bottom - r.top);
    }
    g_seen.first_item = MenuPixel(wnd, probe);
    PostMessageW(wnd, WM_KEYDOWN, VK_DOWN, 0);
    return;
  }
  g_seen.first_item_selected = MenuPixel(wnd, probe);
  for (UINT key : g_seen.keys) {
    PostMessageW(wnd, WM_KEYDOWN, key, 0);
  }
  if (g_seen.keys.empty()) {
    EndMenu();
  }
}

class MenuItemsTest : public testing::SkinApplyTest {
 protected:
  void SetUp() override {
    testing::SkinApplyTest::SetUp();
    g_seen = {};
    static bool registered = false;
    if (!registered) {
      registered = true;
      WNDCLASSW cls{};
      cls.lpfnWndProc = DefWindowProcW;
      cls.hInstance = myinstance();
      cls.lpszClassName = L"KovaMenuItemsTest";
      RegisterClassW(&cls);
    }
  }

  void ProductData() {
    auto data = std::make_unique<TSkinData>(nullptr);
    data->SetSkinFormtype(TSkinFormType::sfMainform);
    testing::Load(*data, testing::ProductSkin());
    data->Loaded();
    datas_.push_back(std::move(data));
  }

  void SkinData(bool with_item_object) {
    auto data = std::make_unique<TSkinData>(nullptr);
    data->SetSkinFormtype(TSkinFormType::sfMainform);
    std::string ini =
        "[Personality]\nTop=t.bmp\n[MenuBackground]\nImage=mb.bmp\nTile=1\n"
        "[Colours]\nMenu=0,0,255\n";
    if (with_item_object) {
      ini += "[MenuItem]\nImage=item.bmp\nframe=5\n";
    }
    testing::Load(*data, {ini,
                          {{"t.bmp", testing::Solid(20, 20, 0)},
                           {"mb.bmp", testing::Solid(9, 9, kMenuBg)},
                           {"item.bmp", ItemStrip()}}});
    data->Loaded();
    datas_.push_back(std::move(data));
  }

  HWND Owner(bool skinned) {
    HWND wnd = Keep(CreateWindowExW(0, L"KovaMenuItemsTest", L"Items", WS_OVERLAPPEDWINDOW, 30, 30,
                                    300, 200, nullptr, nullptr, myinstance(), nullptr));
    ShowWindow(wnd, SW_SHOW);
    Pump(30);
    if (skinned) {
      Manager().AddForm(wnd);
      Pump(80);
    }
    return wnd;
  }

  static UniqueMenu Items() {
    UniqueMenu menu(CreatePopupMenu());
    AppendMenuW(menu.Get(), MF_STRING, 101, L"&First\tCtrl+F");
    AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu.Get(), MF_STRING, 102, L"");
    AppendMenuW(menu.Get(), MF_STRING | MF_CHECKED, 103, L"&Checked");
    AppendMenuW(menu.Get(), MF_STRING | MF_GRAYED, 104, L"&Disabled");
    AppendMenuW(menu.Get(), MF_STRING, 105, L"&Last");
    return menu;
  }

  UINT Track(HWND owner, HMENU menu) {
    g_owner = owner;
    g_menu = menu;
    const UINT_PTR timer = SetTimer(nullptr, 0, 150, &LookAtMenu);
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(
        menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, 80, 80, 0, owner, nullptr));
    KillTimer(nullptr, timer);
    Pump(50);
    return chosen;
  }
};

TEST_F(MenuItemsTest, ItemsAreMeasuredAndDrawnFromTheSkinsItemStates) {
  SkinData(true);
  HWND owner = Owner(true);
  ASSERT_NE(Manager().FindSkinForm(owner), nullptr);
  const UniqueMenu menu = Items();
  Track(owner, menu.Get());
  ASSERT_TRUE(g_seen.open);
  ASSERT_EQ(g_seen.heights.size(), 6u);
  // The separator and the item with an empty caption are 8 high, captions more.
  EXPECT_EQ(g_seen.heights[1], 8);
  EXPECT_EQ(g_seen.heights[2], 8);
  EXPECT_GT(g_seen.heights[0], 8);
  EXPECT_EQ(g_seen.first_item, kItemFrames[0]);
  EXPECT_EQ(g_seen.first_item_selected, kItemFrames[3]);
}

TEST_F(MenuItemsTest, ProductSkinHighlightsTheSelectedItemInItsAccent) {
  ProductData();
  HWND owner = Owner(true);
  const UniqueMenu menu = Items();
  Track(owner, menu.Get());
  ASSERT_TRUE(g_seen.open);
  EXPECT_EQ(g_seen.first_item, 0x3C3C3Cu);
  EXPECT_EQ(g_seen.first_item_selected, 0xD77800u);  // RGB(0, 120, 215)
}

TEST_F(MenuItemsTest, WithoutAnItemObjectItemsUseTheSchemesMenuColour) {
  SkinData(false);
  HWND owner = Owner(true);
  const UniqueMenu menu = Items();
  Track(owner, menu.Get());
  ASSERT_TRUE(g_seen.open);
  EXPECT_EQ(g_seen.first_item, 0xFF0000u);  // blue as the system stores it
}

TEST_F(MenuItemsTest, KeyboardChoiceDeliversTheSameCommandAsTheUnskinnedMenu) {
  // The look-up selected the first item; down past the separator, the empty item, the
  // checked and the disabled one to the last item.
  const std::vector<UINT> keys = {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN};
  UINT unskinned = 0;
  {
    HWND owner = Owner(false);
    const UniqueMenu menu = Items();
    g_seen = {};
    g_seen.keys = keys;
    unskinned = Track(owner, menu.Get());
  }
  SkinData(true);
  HWND owner = Owner(true);
  const UniqueMenu menu = Items();
  g_seen = {};
  g_seen.keys = keys;
  const UINT skinned = Track(owner, menu.Get());
  EXPECT_EQ(unskinned, 105u);
  EXPECT_EQ(skinned, unskinned);
}

TEST_F(MenuItemsTest, UnskinningGivesTheItemsTheirOwnTypesBack) {
  SkinData(true);
  HWND owner = Owner(true);
  const UniqueMenu menu = Items();
  Track(owner, menu.Get());
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE;
  ASSERT_TRUE(GetMenuItemInfoW(menu.Get(), 0, TRUE, &info));
  EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
  Manager().FindSkinForm(owner)->UnSubclass();
  for (UINT i = 0; i < 6; ++i) {
    ASSERT_TRUE(GetMenuItemInfoW(menu.Get(), i, TRUE, &info));
    EXPECT_FALSE(info.fType & MFT_OWNERDRAW) << i;
  }
  ASSERT_TRUE(GetMenuItemInfoW(menu.Get(), 1, TRUE, &info));
  EXPECT_TRUE(info.fType & MFT_SEPARATOR);
}

TEST_F(MenuItemsTest, SkinnedSystemMenuDrawsItsItemsLikeOtherMenusAndItsChoiceIsCarriedOut) {
  SkinData(true);
  HWND owner = Owner(true);
  SetForegroundWindow(owner);
  Pump(50);
  static HMENU shown;
  static UINT first_type;
  shown = nullptr;
  first_type = 0;
  g_seen = {};
  const UINT_PTR timer = SetTimer(nullptr, 0, 150, [](HWND, UINT, UINT_PTR, DWORD) CALLBACK {
    HWND wnd = FindWindowW(L"#32768", nullptr);
    if (wnd == nullptr || !IsWindowVisible(wnd) || shown != nullptr) {
      return;
    }
    shown = reinterpret_cast<HMENU>(SendMessageW(wnd, MN_GETHMENU, 0, 0));
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(shown, 0, TRUE, &info);
    first_type = info.fType;

    RECT first{};
    GetMenuItemRect(nullptr, shown, 0, &first);
    RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    g_seen.first_item = MenuPixel(wnd, {first.left + 1, first.top + 1});
    // The accelerator of "&Close" chooses it.
    testing::PressKeys({'C'});
  });
  // A real right click on the caption opens the skinned system menu.
  RECT window{};
  GetWindowRect(owner, &window);
  testing::ClickScreen({window.left + 60, window.top + 10}, /*right_button=*/true);
  Pump(1000);
  KillTimer(nullptr, timer);
  Pump(100);
  ASSERT_NE(shown, nullptr);
  EXPECT_TRUE(first_type & MFT_OWNERDRAW);
  EXPECT_EQ(g_seen.first_item, kItemFrames[0]);
  EXPECT_FALSE(IsWindow(owner));
}

}  // namespace
}  // namespace kova
