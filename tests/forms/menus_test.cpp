// Owner-drawn framework menus: the native items they build, the measure and draw
// messages the form routes to the items' handlers or the framework's own look, and the
// text of shortcuts.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/controls/forms.h"
#include "forms/controls/menus.h"

namespace kova {
namespace {

TMenuItem* AddItem(TComponent* owner, TMenuItem* parent, const char16_t* caption) {
  auto* item = new TMenuItem(owner);
  item->SetCaption(caption);
  parent->Add(item);
  return item;
}

TEST(MenuShortCutTest, TextOfKeysWithModifiers) {
  struct Case {
    TShortCut shortcut;
    std::u16string text;
  };
  const Case cases[] = {
      {ShortCut('O', scCtrl), u"Ctrl+O"},
      {ShortCut(VK_F10, scShift), u"Shift+F10"},
      {ShortCut(VK_F1, scNone), u"F1"},
      {ShortCut(VK_DELETE, static_cast<TShortCut>(scCtrl | scAlt)), u"Ctrl+Alt+Del"},
      {ShortCut('5', scAlt), u"Alt+5"},
      {scNone, u""},
      {ShortCut(0xFF, scCtrl), u""},  // no name: no text
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ShortCutToText(c.shortcut), c.text) << c.shortcut;
  }
}

class OwnerDrawMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    menu_ = new TPopupMenu(&form_);
    open_ = AddItem(menu_, menu_->Items(), u"&Open");
    open_->SetShortCut(ShortCut('O', scCtrl));
    line_ = AddItem(menu_, menu_->Items(), u"-");
    recent_ = AddItem(menu_, menu_->Items(), u"&Recent");
    AddItem(menu_, recent_, u"&One");
    menu_->SetOwnerDraw(true);
    form_.Handle();
  }

  SIZE Measure(const TMenuItem& item) {
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemID = item.Command();
    measure.itemHeight = 15;
    const LRESULT handled =
        SendMessageW(form_.Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    EXPECT_EQ(handled, TRUE);
    return {static_cast<LONG>(measure.itemWidth), static_cast<LONG>(measure.itemHeight)};
  }

  TForm form_{nullptr};
  TPopupMenu* menu_ = nullptr;
  TMenuItem* open_ = nullptr;
  TMenuItem* line_ = nullptr;
  TMenuItem* recent_ = nullptr;
};

TEST_F(OwnerDrawMenuTest, NativeItemsAreOwnerDrawnAndCarryTheirCommandsAndShortcuts) {
  const HMENU native = menu_->Handle();
  ASSERT_EQ(GetMenuItemCount(native), 3);
  const TMenuItem* items[] = {open_, line_, recent_};
  for (UINT i = 0; i < 3; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
    ASSERT_TRUE(GetMenuItemInfoW(native, i, TRUE, &info));
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << i;
    EXPECT_EQ(info.wID, items[i]->Command()) << i;
  }
  EXPECT_EQ(recent_->Handle(), GetSubMenu(native, 2));
  EXPECT_EQ(menu_->Items()->Handle(), native);
  wchar_t text[32] = {};
  GetMenuStringW(native, 0, text, 32, MF_BYPOSITION);
  EXPECT_EQ(std::wstring(text), L"&Open\tCtrl+O");

  // Without owner drawing the system draws them again.
  menu_->SetOwnerDraw(false);
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  ASSERT_TRUE(GetMenuItemInfoW(menu_->Handle(), 0, TRUE, &info));
  EXPECT_FALSE(info.fType & MFT_OWNERDRAW);
}

TEST_F(OwnerDrawMenuTest, FormRoutesMeasureAndDrawToTheItemsHandlers) {
  int proposed_height = 0;
  open_->OnMeasureItem = [&](TObject* sender, HDC dc, int& width, int& height) {
    EXPECT_EQ(sender, open_);
    EXPECT_NE(dc, nullptr);
    proposed_height = height;
    width = 123;
    height = 21;
  };
  std::vector<bool> drawn;
  open_->OnDrawItem = [&](TObject*, HDC dc, const RECT& rect, bool selected) {
    EXPECT_NE(dc, nullptr);
    EXPECT_EQ(rect.right, 90);
    drawn.push_back(selected);
  };
  const SIZE size = Measure(*open_);
  EXPECT_EQ(proposed_height, 15);
  EXPECT_EQ(size.cx, 123);
  EXPECT_EQ(size.cy, 21);

  const ScopedGetDC dc(form_.Handle());
  DRAWITEMSTRUCT draw{};
  draw.CtlType = ODT_MENU;
  draw.itemID = open_->Command();
  draw.hDC = dc.Get();
  draw.rcItem = {0, 0, 90, 20};
  draw.itemState = ODS_SELECTED;
  SendMessageW(form_.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
  draw.itemState = 0;
  SendMessageW(form_.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
  EXPECT_EQ(drawn, (std::vector<bool>{true, false}));

  // An id no menu item has is not the menus' to answer.
  MEASUREITEMSTRUCT other{};
  other.CtlType = ODT_MENU;
  other.itemID = 0xFFF0;
  EXPECT_EQ(SendMessageW(form_.Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&other)), 0);
}

TEST_F(OwnerDrawMenuTest, WithoutHandlersTheFrameworkMeasuresCaptionShortcutAndSeparator) {
  const SIZE open = Measure(*open_);
  const SIZE recent = Measure(*recent_);
  const SIZE line = Measure(*line_);
  EXPECT_EQ(line.cy, 8);
  EXPECT_GT(open.cy, 15);
  // The shortcut needs room of its own beside the caption.
  EXPECT_GT(open.cx, recent.cx);
  open_->SetShortCut(scNone);
  EXPECT_LT(Measure(*open_).cx, open.cx);
}

}  // namespace
}  // namespace kova
