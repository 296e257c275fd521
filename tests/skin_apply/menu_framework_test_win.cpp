// Framework menus of a skinned framework form: their items carry the skin's measure and
// draw handlers while skinned and their own afterwards, framework items are measured
// with the skin's item margin and image or check column, a popup menu is drawn in the
// skin with its images, and a choice made with the keyboard in the skinned menu bar runs
// the same item as in the unskinned one.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "forms/controls/forms.h"
#include "forms/controls/menus.h"
#include "forms/graphics/dib_bitmap.h"
#include "forms/graphics/image_list.h"
#include "menu_test_input.h"
#include "skin/apply/win_skin_form_win.h"
#include "skin/apply/win_skin_menu_win.h"
#include "skin_apply_fixture.h"

namespace kova {
namespace {

using testing::Pump;

constexpr TColor kItemFrames[5] = {0x10A010, 0x0000FF, 0x00FF00, 0xC02080, 0x808080};
constexpr TColor kImageColour = 0x00C0F0;
constexpr int kItemMargin = 5;

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

TMenuItem* AddItem(TComponent* owner, TMenuItem* parent, const char16_t* caption) {
  auto* item = new TMenuItem(owner);
  item->SetCaption(caption);
  parent->Add(item);
  return item;
}

// What a timer saw of the open popup, and the keys it pressed afterwards.
struct Seen {
  int ticks = 0;
  HMENU menu = nullptr;
  TColor item_left = 0;
  TColor item_left_selected = 0;
  TColor image = 0;
  int white_in_arrow_column = -1;  // of the third item, which opens a submenu
  std::vector<WORD> keys;
};
Seen g_seen;

TColor ScreenPixel(HWND menu_wnd, POINT screen) {
  RECT window{};
  GetWindowRect(menu_wnd, &window);
  const UniqueWindowDC dc = TakeWindowDC(menu_wnd);
  return static_cast<TColor>(GetPixel(dc.Get(), screen.x - window.left, screen.y - window.top)) &
         0xFFFFFF;
}

// First tick: the first item's look, then its selection; second tick: the selected look,
// then the keys.
void CALLBACK LookAtPopup(HWND, UINT, UINT_PTR, DWORD) {
  HWND wnd = FindWindowW(L"#32768", nullptr);
  if (wnd == nullptr || !IsWindowVisible(wnd) || g_seen.ticks >= 2) {
    return;
  }
  g_seen.menu = reinterpret_cast<HMENU>(SendMessageW(wnd, MN_GETHMENU, 0, 0));
  RECT first{};
  GetMenuItemRect(nullptr, g_seen.menu, 0, &first);
  RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  const POINT left{first.left + 1, first.top + 1};
  if (g_seen.ticks++ == 0) {
    g_seen.item_left = ScreenPixel(wnd, left);
    // The image column starts after the margin and two pixels; its middle row.
    g_seen.image =
        ScreenPixel(wnd, {first.left + kItemMargin + 2 + 8, (first.top + first.bottom) / 2});
    // The system's own arrow would show as white around a black triangle.
    RECT third{};
    GetMenuItemRect(nullptr, g_seen.menu, 2, &third);
    g_seen.white_in_arrow_column = 0;
    for (int x = third.right - 16; x < third.right; ++x) {
      for (int y = third.top; y < third.bottom; ++y) {
        g_seen.white_in_arrow_column += ScreenPixel(wnd, {x, y}) == 0xFFFFFF ? 1 : 0;
      }
    }
    testing::PressKeys({VK_DOWN});
    return;
  }
  g_seen.item_left_selected = ScreenPixel(wnd, left);
  if (g_seen.keys.empty()) {
    EndMenu();
    return;
  }
  for (WORD key : g_seen.keys) {
    testing::PressKeys({key});
  }
}

class MenuFrameworkTest : public testing::SkinApplyTest {
 protected:
  void SetUp() override {
    testing::SkinApplyTest::SetUp();
    g_seen = {};
    clicked_.clear();
  }

  // A skin with the item object (its left margin kItemMargin), that draws framework menu
  // items too.
  TSkinData* MenuSkin() {
    auto data = std::make_unique<TSkinData>(nullptr);
    data->SetSkinFormtype(TSkinFormType::sfMainform);
    testing::Load(*data, {"[Personality]\nTop=t.bmp\n[MenuBackground]\nImage=mb.bmp\nTile=1\n"
                          "[MenuItem]\nImage=item.bmp\nframe=5\nLeftWidth=" +
                              std::to_string(kItemMargin) + "\n",
                          {{"t.bmp", testing::Solid(20, 20, 0)},
                           {"mb.bmp", testing::Solid(9, 9, 0x404040)},
                           {"item.bmp", ItemStrip()}}});
    data->Loaded();
    // Loading leaves the item control out while the frame is skinned; asked for again.
    TSkinControlTypes controls = data->SkinControls();
    controls.Include(TSkinControlType::xcMenuItem);
    data->SetSkinControls(controls);
    datas_.push_back(std::move(data));
    return datas_.back().get();
  }

  // A sizable form with a main menu of three menus (File with an item, a checked one, a
  // disabled one, a submenu and a separator; Edit; View) and a popup menu with images.
  TForm* MenuForm() {
    TForm* form = MakeForm();
    form->SetBorderStyle(TFormBorderStyle::bsSizeable);
    form->SetBounds(60, 60, 360, 240);
    menu_ = new TMainMenu(form);
    TMenuItem* root = menu_->Items();
    file_ = AddItem(menu_, root, u"&File");
    open_ = AddItem(menu_, file_, u"&Open");
    open_->SetShortCut(ShortCut('O', scCtrl));
    checked_ = AddItem(menu_, file_, u"&Checked");
    checked_->SetChecked(true);
    disabled_ = AddItem(menu_, file_, u"&Disabled");
    disabled_->SetEnabled(false);
    recent_ = AddItem(menu_, file_, u"&Recent");
    AddItem(menu_, recent_, u"&One");
    AddItem(menu_, file_, u"-");
    exit_ = AddItem(menu_, file_, u"E&xit");
    AddItem(menu_, AddItem(menu_, root, u"&Edit"), u"&Undo");
    AddItem(menu_, AddItem(menu_, root, u"&View"), u"&Status");
    form->SetMenu(menu_);

    images_ = new TImageList(form);
    TDibBitmap picture;
    picture.AssignPixels(testing::Solid(16, 16, kImageColour));
    images_->Add(&picture);
    popup_ = new TPopupMenu(form);
    popup_->SetImages(images_);
    first_ = AddItem(popup_, popup_->Items(), u"&First");
    first_->SetImageIndex(0);
    second_ = AddItem(popup_, popup_->Items(), u"&Second");
    AddItem(popup_, AddItem(popup_, popup_->Items(), u"&Third"), u"&Inner");
    for (TMenuItem* item : {open_, checked_, exit_, first_, second_}) {
      item->OnClick = [this](TObject* sender) {
        clicked_.push_back(static_cast<TMenuItem*>(sender));
      };
    }
    return form;
  }

  void Show(TForm* form) {
    form->SetVisible(true);
    SetForegroundWindow(form->Handle());
    SetActiveWindow(form->Handle());
    Pump(50);
  }

  TWinSkinForm& Skin(TForm* form) {
    Show(form);
    Manager().AddForm(form->Handle());
    Pump(100);
    TWinSkinForm* entry = Manager().FindSkinForm(form->Handle());
    EXPECT_NE(entry, nullptr);
    return *entry;
  }

  // Measures an item the way the system asks the window for it.
  static SIZE MeasureThroughWindow(HWND wnd, const TMenuItem& item) {
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemID = item.Command();
    measure.itemHeight = 16;
    SendMessageW(wnd, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    return {static_cast<LONG>(measure.itemWidth), static_cast<LONG>(measure.itemHeight)};
  }

  // The framework's own measure in the menu font.
  static int OwnWidth(const TMenuItem& item) {
    const ScopedGetDC dc(nullptr);
    const UniqueFont font = SystemMenuFont();
    const ScopedSelectObject select(dc.Get(), font.Get());
    int width = 0;
    int height = 16;
    item.DefaultMeasureItem(dc.Get(), width, height);
    return width;
  }

  TMainMenu* menu_ = nullptr;
  TMenuItem* file_ = nullptr;
  TMenuItem* open_ = nullptr;
  TMenuItem* checked_ = nullptr;
  TMenuItem* disabled_ = nullptr;
  TMenuItem* recent_ = nullptr;
  TMenuItem* exit_ = nullptr;
  TImageList* images_ = nullptr;
  TPopupMenu* popup_ = nullptr;
  TMenuItem* first_ = nullptr;
  TMenuItem* second_ = nullptr;
  std::vector<TMenuItem*> clicked_;
};

TEST_F(MenuFrameworkTest, ItemsCarryTheSkinsHandlersWhileSkinnedAndTheirOwnAfterwards) {
  MenuSkin();
  TForm* form = MenuForm();
  bool own_handler_ran = false;
  second_->OnDrawItem = [&own_handler_ran](TObject*, HDC, const RECT&, bool) {
    own_handler_ran = true;
  };
  TWinSkinForm& entry = Skin(form);
  for (TMenuItem* item : {file_, open_, exit_, recent_->GetItem(0), first_, second_}) {
    EXPECT_TRUE(entry.HasSkinHandlers(*item)) << AsWin(item->Caption());
    EXPECT_TRUE(item->OnMeasureItem != nullptr);
  }
  EXPECT_TRUE(popup_->OwnerDraw());
  // An item that goes while skinned is forgotten, not given anything back.
  delete recent_->GetItem(0);

  entry.UnSubclass();
  EXPECT_FALSE(popup_->OwnerDraw());
  for (TMenuItem* item : {file_, open_, exit_, first_}) {
    EXPECT_FALSE(entry.HasSkinHandlers(*item));
    EXPECT_TRUE(item->OnMeasureItem == nullptr);
    EXPECT_TRUE(item->OnDrawItem == nullptr);
  }
  ASSERT_TRUE(second_->OnDrawItem != nullptr);
  second_->OnDrawItem(second_, nullptr, RECT{}, false);
  EXPECT_TRUE(own_handler_ran);
}

TEST_F(MenuFrameworkTest, WithoutTheItemSkinControlTheMainMenuKeepsItsHandlers) {
  TSkinData* data = MenuSkin();
  TSkinControlTypes controls = data->SkinControls();
  controls.Exclude(TSkinControlType::xcMenuItem);
  controls.Exclude(TSkinControlType::xcPopupMenu);
  data->SetSkinControls(controls);
  TForm* form = MenuForm();
  TWinSkinForm& entry = Skin(form);
  EXPECT_FALSE(entry.HasSkinHandlers(*open_));
  EXPECT_FALSE(entry.HasSkinHandlers(*first_));
  EXPECT_FALSE(popup_->OwnerDraw());
}

TEST_F(MenuFrameworkTest, FrameworkItemsAreMeasuredWithTheItemMarginAndImageOrCheckColumn) {
  MenuSkin();
  TForm* form = MenuForm();
  Skin(form);
  HWND wnd = form->Handle();
  struct Case {
    const char* what;
    TMenuItem* item;
    int extra;
  };
  // The popup menu has images: its items get 10 more; the main menu has none: 35.
  const Case cases[] = {{"popup item with an image", first_, kItemMargin + 10},
                        {"popup item without one", second_, kItemMargin + 10},
                        {"main menu item with a shortcut", open_, kItemMargin + 35},
                        {"main menu item", exit_, kItemMargin + 35}};
  for (const Case& c : cases) {
    const SIZE size = MeasureThroughWindow(wnd, *c.item);
    EXPECT_EQ(size.cx, OwnWidth(*c.item) + c.extra) << c.what;
    EXPECT_GT(size.cy, 8) << c.what;
  }
  // The item keeps its picture.
  EXPECT_EQ(first_->ImageIndex(), 0);
}

TEST_F(MenuFrameworkTest, PopupMenuIsDrawnInTheSkinWithItsImagesAndRunsTheChosenItem) {
  MenuSkin();
  TForm* form = MenuForm();
  Skin(form);
  g_seen.keys = {VK_DOWN, VK_RETURN};
  const UINT_PTR timer = SetTimer(nullptr, 0, 150, &LookAtPopup);
  popup_->Popup(100, 100, form->Handle());
  KillTimer(nullptr, timer);
  Pump(50);
  ASSERT_EQ(g_seen.ticks, 2);
  EXPECT_EQ(g_seen.menu, popup_->CurrentHandle());
  EXPECT_EQ(g_seen.item_left, kItemFrames[0]);
  EXPECT_EQ(g_seen.item_left_selected, kItemFrames[3]);
  EXPECT_EQ(g_seen.image, kImageColour);
  EXPECT_EQ(g_seen.white_in_arrow_column, 0);
  ASSERT_EQ(clicked_.size(), 1u);
  EXPECT_EQ(clicked_[0], second_);
}

TEST_F(MenuFrameworkTest, AltAcceleratorAndKeysPickTheSameItemAsInTheUnskinnedMenuBar) {
  // Alt+F opens File with its first item selected; one down and Enter choose the
  // checked item.
  auto choose = [this](TForm* form) {
    clicked_.clear();
    g_seen = {};
    const UINT_PTR timer = SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR, DWORD) CALLBACK {
      HWND wnd = FindWindowW(L"#32768", nullptr);
      if (wnd == nullptr || !IsWindowVisible(wnd) || g_seen.ticks++ > 0) {
        return;
      }
      g_seen.menu = reinterpret_cast<HMENU>(SendMessageW(wnd, MN_GETHMENU, 0, 0));
      testing::PressKeys({VK_DOWN, VK_RETURN});
    });
    SetForegroundWindow(form->Handle());
    Pump(50);
    testing::PressAltWith('F');
    Pump(1500);
    KillTimer(nullptr, timer);
    Pump(50);
  };
  TForm* plain = MenuForm();
  Show(plain);
  choose(plain);
  const std::vector<TMenuItem*> unskinned = clicked_;
  const HMENU unskinned_menu = g_seen.menu;
  plain->SetVisible(false);

  MenuSkin();
  TForm* form = MenuForm();
  TWinSkinForm& entry = Skin(form);
  ASSERT_NE(entry.MenuBar(), nullptr);
  choose(form);
  EXPECT_EQ(g_seen.menu, file_->Handle());
  EXPECT_NE(unskinned_menu, nullptr);
  ASSERT_EQ(unskinned.size(), 1u);
  ASSERT_EQ(clicked_.size(), 1u);
  EXPECT_EQ(unskinned[0]->Caption(), u"&Checked");
  EXPECT_EQ(clicked_[0], checked_);
}

}  // namespace
}  // namespace kova
