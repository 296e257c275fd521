#include "skin/apply/menu_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "image_rect_printing.h"

namespace kova {
namespace {

TEST(MenuLayoutTest, NativeItemMeasure) {
  struct Case {
    int caption_width;
    int proposed;
    bool empty;
    int margin;
    bool nine_x;
    MenuItemSize expected;
  };
  const Case cases[] = {
      {40, 15, false, 0, false, {66, 19}},
      {40, 15, false, 7, false, {73, 19}},
      // A separator is 8 high whatever the proposal.
      {0, 15, true, 0, false, {26, 8}},
      {0, 30, true, 3, false, {29, 8}},
      {40, 15, false, 0, true, {66, 23}},
      {0, 15, true, 0, true, {26, 12}},
      // A negative measure (no font) never makes the item narrower than its columns.
      {-5, 15, false, -2, false, {26, 19}},
  };
  for (const Case& c : cases) {
    const MenuItemSize size =
        MeasureNativeMenuItem(c.caption_width, c.proposed, c.empty, c.margin, c.nine_x);
    EXPECT_EQ(size.width, c.expected.width) << c.caption_width << " " << c.margin;
    EXPECT_EQ(size.height, c.expected.height) << c.proposed << " " << c.empty << " " << c.nine_x;
  }
}

TEST(MenuLayoutTest, FrameworkItemWidthLeavesRoomForTheImageColumn) {
  EXPECT_EQ(FrameworkMenuItemWidth(50, 0, false), 85);
  EXPECT_EQ(FrameworkMenuItemWidth(50, 0, true), 60);
  EXPECT_EQ(FrameworkMenuItemWidth(50, 6, true), 66);
}

TEST(MenuLayoutTest, WindowOwnedIdsAreOneTo4095) {
  EXPECT_FALSE(IsWindowOwnedItemId(0));
  EXPECT_TRUE(IsWindowOwnedItemId(1));
  EXPECT_TRUE(IsWindowOwnedItemId(4095));
  EXPECT_FALSE(IsWindowOwnedItemId(4096));
  EXPECT_FALSE(IsWindowOwnedItemId(0xFFFF));
}

TEST(MenuLayoutTest, CaptionsSplitAtTheFirstTabAndKeepTheirAccelerator) {
  struct Case {
    std::u16string caption;
    std::u16string text;
    std::u16string shortcut;
    std::optional<char16_t> accel;
    std::u16string stripped;
  };
  const Case cases[] = {
      {u"&Open\tCtrl+O", u"&Open", u"Ctrl+O", u'o', u"Open\tCtrl+O"},
      {u"Save &As", u"Save &As", u"", u'a', u"Save As"},
      {u"Fish && &Chips", u"Fish && &Chips", u"", u'c', u"Fish & Chips"},
      {u"&&Only", u"&&Only", u"", std::nullopt, u"&Only"},
      {u"Trailing&", u"Trailing&", u"", std::nullopt, u"Trailing"},
      {u"", u"", u"", std::nullopt, u""},
      {u"a\tb\tc", u"a", u"b\tc", std::nullopt, u"a\tb\tc"},
  };
  for (const Case& c : cases) {
    const MenuCaptionParts parts = SplitMenuCaption(c.caption);
    EXPECT_EQ(parts.text, c.text);
    EXPECT_EQ(parts.shortcut, c.shortcut);
    EXPECT_EQ(MenuAccelerator(c.caption), c.accel);
    EXPECT_EQ(StripAcceleratorMarks(c.caption), c.stripped);
  }
}

TEST(MenuLayoutTest, ItemPartsSitInsideTheItem) {
  const MenuItemParts parts = LayoutMenuItem({0, 20, 120, 40}, 4, 30);
  EXPECT_EQ(parts.check, (ImageRect{6, 22, 22, 38}));
  EXPECT_EQ(parts.arrow, (ImageRect{102, 22, 118, 38}));
  EXPECT_EQ(parts.text, (ImageRect{26, 20, 102, 40}));
  EXPECT_EQ(parts.shortcut, (ImageRect{72, 20, 102, 40}));
  EXPECT_EQ(parts.separator_y, 30);
  EXPECT_EQ(parts.separator_left, 6);
  EXPECT_EQ(parts.separator_right, 118);
  EXPECT_EQ(parts.image, (ImageRect{6, 20, 22, 40}));
}

TEST(MenuLayoutTest, WideImagesWidenTheColumnAndMoveTheText) {
  // A menu with 24-pixel images; narrower ones keep the glyph's column.
  const MenuItemParts wide = LayoutMenuItem({0, 20, 120, 40}, 4, 0, 24);
  EXPECT_EQ(wide.image, (ImageRect{6, 20, 30, 40}));
  EXPECT_EQ(wide.text, (ImageRect{34, 20, 102, 40}));
  EXPECT_EQ(wide.check, (ImageRect{6, 22, 22, 38}));
  const MenuItemParts narrow = LayoutMenuItem({0, 20, 120, 40}, 4, 0, 10);
  EXPECT_EQ(narrow.image, (ImageRect{6, 20, 22, 40}));
  EXPECT_EQ(narrow.text.left, 26);
}

TEST(MenuLayoutTest, NarrowItemNeverInvertsItsParts) {
  const MenuItemParts parts = LayoutMenuItem({0, 0, 10, 8}, 4, 200);
  EXPECT_LE(parts.text.left, parts.text.right);
  EXPECT_LE(parts.shortcut.left, parts.shortcut.right);
  EXPECT_GE(parts.shortcut.left, parts.text.left);
  EXPECT_LE(parts.separator_left, parts.separator_right);
}

TEST(MenuLayoutTest, MenuBarStartAndDirection) {
  const std::vector<MenuBarItem> items = {{30, false, true}, {20, false, true}};
  struct Case {
    MenuBarLayoutInput input;
    ImageRect first;
    ImageRect second;
  };
  const Case cases[] = {
      // Without a menu-bar object the first button starts at 6.
      {{300, 20, false, 50, 50, false}, {6, 0, 46, 19}, {46, 0, 76, 19}},
      {{300, 20, true, 10, 3, false}, {14, 0, 54, 19}, {54, 0, 84, 19}},
      // Right to left: from the right edge, after the right margin + 8.
      {{300, 20, true, 10, 3, true}, {249, 0, 289, 19}, {219, 0, 249, 19}},
      // A start beyond the row falls back to 12.
      {{300, 20, true, 400, 0, false}, {12, 0, 52, 19}, {52, 0, 82, 19}},
  };
  for (const Case& c : cases) {
    const std::vector<ImageRect> rects = LayoutMenuBar(c.input, items);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0], c.first);
    EXPECT_EQ(rects[1], c.second);
  }
}

TEST(MenuLayoutTest, HiddenAndEmptyButtonsTakeNoRoom) {
  const std::vector<MenuBarItem> items = {
      {30, false, true}, {25, false, false}, {0, true, true}, {20, false, true}};
  const std::vector<ImageRect> rects = LayoutMenuBar({200, 18, false, 0, 0, false}, items);
  EXPECT_EQ(rects[0], (ImageRect{6, 0, 46, 17}));
  EXPECT_EQ(rects[1], (ImageRect{}));
  EXPECT_EQ(rects[2], (ImageRect{46, 0, 46, 17}));
  EXPECT_EQ(rects[3], (ImageRect{46, 0, 76, 17}));
  // Hit testing skips the hidden button and the empty one.
  EXPECT_EQ(MenuBarButtonAt(rects, items, 46, 5), std::optional<size_t>(3));
  EXPECT_EQ(MenuBarButtonAt(rects, items, 6, 0), std::optional<size_t>(0));
  EXPECT_EQ(MenuBarButtonAt(rects, items, 5, 5), std::nullopt);
  EXPECT_EQ(MenuBarButtonAt(rects, items, 10, 17), std::nullopt);
}

TEST(MenuLayoutTest, EmptyRowLaysOutNothing) {
  const std::vector<MenuBarItem> items = {{30, false, true}};
  for (const MenuBarLayoutInput& input :
       {MenuBarLayoutInput{0, 20, false, 0, 0, false}, MenuBarLayoutInput{200, 0, true, 2, 2, true},
        MenuBarLayoutInput{-5, 20, false, 0, 0, false}}) {
    EXPECT_EQ(LayoutMenuBar(input, items)[0], (ImageRect{}));
  }
}

TEST(MenuLayoutTest, KeysInAnOpenMenu) {
  struct Case {
    uint32_t vk;
    bool rtl;
    bool submenu;
    bool top;
    MenuKeyMove expected;
  };
  const Case cases[] = {
      {kVkRight, false, false, true, MenuKeyMove::kNext},
      {kVkRight, false, true, true, MenuKeyMove::kNone},  // opens the submenu instead
      {kVkLeft, false, false, true, MenuKeyMove::kPrevious},
      {kVkLeft, false, false, false, MenuKeyMove::kNone},  // closes the nested submenu
      {kVkLeft, true, false, true, MenuKeyMove::kNext},
      {kVkRight, true, false, true, MenuKeyMove::kPrevious},
      {kVkRight, true, false, false, MenuKeyMove::kNone},
      {kVkReturn, false, false, true, MenuKeyMove::kEndSwitch},
      {kVkEscape, true, true, false, MenuKeyMove::kEndSwitch},
      {0x28, false, false, true, MenuKeyMove::kNone},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MenuKeyAction(c.vk, c.rtl, c.submenu, c.top), c.expected)
        << c.vk << " rtl " << c.rtl << " submenu " << c.submenu << " top " << c.top;
  }
}

TEST(MenuLayoutTest, NeighboursWrapAndSkipHiddenButtons) {
  const std::vector<MenuBarItem> items = {
      {1, false, true}, {1, false, false}, {1, false, true}, {1, false, true}};
  EXPECT_EQ(NeighbourMenuButton(items, 0, true), 2u);
  EXPECT_EQ(NeighbourMenuButton(items, 3, true), 0u);
  EXPECT_EQ(NeighbourMenuButton(items, 0, false), 3u);
  EXPECT_EQ(NeighbourMenuButton(items, 2, false), 0u);
  const std::vector<MenuBarItem> alone = {{1, false, false}, {1, false, true}};
  EXPECT_EQ(NeighbourMenuButton(alone, 1, true), 1u);
  EXPECT_EQ(NeighbourMenuButton({}, 0, true), 0u);
}

TEST(MenuLayoutTest, AcceleratorFindsEnabledVisibleButtonsOnly) {
  const std::vector<std::u16string> captions = {u"&File", u"&Edit", u"&View", u"E&xtra", u"&Help"};
  const bool enabled[] = {true, false, true, true, true};
  const std::vector<MenuBarItem> items = {
      {1, false, true}, {1, false, true}, {1, false, true}, {1, false, true}, {1, false, false}};
  EXPECT_EQ(MenuButtonForAccelerator(captions, enabled, items, u'F'), std::optional<size_t>(0));
  EXPECT_EQ(MenuButtonForAccelerator(captions, enabled, items, u'v'), std::optional<size_t>(2));
  EXPECT_EQ(MenuButtonForAccelerator(captions, enabled, items, u'x'), std::optional<size_t>(3));
  EXPECT_EQ(MenuButtonForAccelerator(captions, enabled, items, u'e'), std::nullopt);  // disabled
  EXPECT_EQ(MenuButtonForAccelerator(captions, enabled, items, u'h'), std::nullopt);  // hidden
  EXPECT_EQ(MenuButtonForAccelerator(captions, enabled, items, u'q'), std::nullopt);
}

}  // namespace
}  // namespace kova
