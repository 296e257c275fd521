#include <gtest/gtest.h>

#include <vector>

#include "skin/apply/skin_tab_paint.h"
#include "tab_family_skin.h"

namespace kova {
namespace {

using testing::FamilyObject;
using testing::ObjectColor;

class SkinTabPaintTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::Load(skin_, testing::TabFamilySkin()); }
  TSkinData skin_{nullptr};
};

TEST_F(SkinTabPaintTest, FocusedTabInStateTwoOthersInStateOneGapsSeeThrough) {
  const TabStripLayout layout(200, 150, TabPageRect({6, 36, 194, 144}, TabPosition::kTop),
                              TabPosition::kTop);
  const std::vector<TabItemPaint> items{{{2, 4, 50, 30}, kTabStateNormal},
                                        {{50, 2, 110, 30}, kTabStateFocused},
                                        {{110, 4, 160, 30}, kTabStateNormal}};
  const TBitmap strip = ComposeTabStrip(layout, *skin_.Tabs, items);
  ASSERT_EQ(strip.Width(), 200);
  EXPECT_EQ(strip.Pixel(25, 15), ObjectColor(FamilyObject::kTabs, 1));
  EXPECT_EQ(strip.Pixel(80, 15), ObjectColor(FamilyObject::kTabs, 2));
  EXPECT_EQ(strip.Pixel(135, 15), ObjectColor(FamilyObject::kTabs, 1));
  EXPECT_EQ(strip.Pixel(180, 15), kTransparentKey);  // beyond the last tab
  EXPECT_EQ(strip.Pixel(25, 2), kTransparentKey);    // above a lower tab
}

TEST_F(SkinTabPaintTest, BottomTabsFaceThePageWithTheirOpenSide) {
  // A tab whose upper half is light and lower half dark.
  TDataSkinObject tab;
  tab.Map = TBitmap(10, 10);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) {
      tab.Map.SetPixel(x, y, y < 5 ? 0xE0E0E0 : 0x202020);
    }
  }
  tab.Frame = 1;
  const std::vector<TabItemPaint> items{{{10, 2, 60, 22}, kTabStateNormal}};
  struct Case {
    TabPosition position;
    ImageRect display;
    TColor near_top;
  };
  const Case cases[] = {{TabPosition::kTop, {6, 36, 194, 144}, 0xE0E0E0},
                        {TabPosition::kBottom, {6, 6, 194, 114}, 0x202020}};
  for (const Case& c : cases) {
    const TabStripLayout layout(200, 150, TabPageRect(c.display, c.position), c.position);
    const TBitmap strip = ComposeTabStrip(layout, tab, items);
    EXPECT_EQ(strip.Pixel(30, 3), c.near_top) << static_cast<int>(c.position);
  }
}

TEST_F(SkinTabPaintTest, CloseButtonAtTheFarEndInTheGlyphColour) {
  const ImageRect tab{10, 2, 90, 24};
  const ImageRect close = TabCloseButtonRect(tab);
  ASSERT_GT(close.right, close.left);
  EXPECT_EQ(close.right, tab.right - 5);
  EXPECT_GE(close.top, tab.top);
  EXPECT_LE(close.bottom, tab.bottom);
  EXPECT_LE(TabTextRect(tab, true).right, close.left);
  EXPECT_EQ(TabTextRect(tab, false).right, tab.right);

  const TabStripLayout layout(200, 150, TabPageRect({6, 36, 194, 144}, TabPosition::kTop),
                              TabPosition::kTop);
  constexpr TColor kGlyph = 0x00FFFF;
  const std::vector<TabItemPaint> items{{tab, kTabStateFocused, true, kGlyph}};
  const TBitmap strip = ComposeTabStrip(layout, *skin_.Tabs, items);
  // Both diagonals of the cross, and the tab face between them.
  EXPECT_EQ(strip.Pixel(close.left, close.top), kGlyph);
  EXPECT_EQ(strip.Pixel(close.left, close.bottom - 1), kGlyph);
  EXPECT_EQ(strip.Pixel((close.left + close.right) / 2, close.top),
            ObjectColor(FamilyObject::kTabs, 2));

  // Tabs too low or too narrow get none.
  for (const ImageRect small : {ImageRect{0, 0, 80, 12}, ImageRect{0, 0, 20, 24}}) {
    const ImageRect none = TabCloseButtonRect(small);
    EXPECT_LE(none.right, none.left);
    EXPECT_EQ(TabTextRect(small, true).right, small.right);
  }
}

TEST_F(SkinTabPaintTest, PaneFromTheTabsObjectOrTheSharedPane) {
  struct Case {
    int style;
    bool own_border;
    bool shared_pane;
    bool drawn;
    FamilyObject from;
  };
  const Case cases[] = {
      {0, true, true, true, FamilyObject::kTabBorder},
      {1, true, true, true, FamilyObject::kTabPane},  // the object asks for the shared one
      {0, false, true, true, FamilyObject::kTabPane},
      {1, true, false, true, FamilyObject::kTabBorder},
      {0, false, false, false, FamilyObject::kTabs},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style * 4 + c.own_border * 2 + c.shared_pane);
    TSkinData skin(nullptr);
    testing::Load(skin, testing::TabFamilySkin(c.style));
    if (!c.own_border) {
      skin.Tabs->Map2 = TBitmap();
    }
    if (!c.shared_pane) {
      skin.TabPane.reset();
    }
    TBitmap whole(100, 80);
    whole.Fill(0x123456);
    EXPECT_EQ(ComposeTabPane(whole, {10, 20, 90, 75}, skin), c.drawn);
    EXPECT_EQ(whole.Pixel(50, 50), c.drawn ? ObjectColor(c.from, 1) : 0x123456);
    EXPECT_EQ(whole.Pixel(5, 5), 0x123456);  // outside the page
  }
}

TEST_F(SkinTabPaintTest, TabSetTabsSideBySideFromTheStartMargin) {
  const std::vector<int> widths{30, 0, 45};
  const std::vector<ImageRect> tabs = TabSetLayout(widths, 5, 24);
  ASSERT_EQ(tabs.size(), 3u);
  const ImageRect expected[] = {{5, 0, 47, 22}, {47, 0, 59, 22}, {59, 0, 116, 22}};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(tabs[i].left, expected[i].left) << i;
    EXPECT_EQ(tabs[i].right, expected[i].right) << i;
    EXPECT_EQ(tabs[i].bottom, expected[i].bottom) << i;
  }
  EXPECT_TRUE(TabSetLayout({}, 5, 24).empty());
}

TEST_F(SkinTabPaintTest, TextColourPerStateTheOlderNumberWins) {
  // The skin gives 255,255,0 at rest and 0,255,255 focused (0x00BBGGRR).
  EXPECT_EQ(TabTextColor(*skin_.Tabs, kTabStateNormal), 0x00FFFF);
  EXPECT_EQ(TabTextColor(*skin_.Tabs, kTabStateFocused), 0xFFFF00);
  skin_.Tabs->MouseOverColour = 0x0000FF;
  EXPECT_EQ(TabTextColor(*skin_.Tabs, kTabStateFocused), 0x0000FF);
  EXPECT_EQ(TabTextColor(*skin_.Tabs, kTabStateNormal), 0x00FFFF);
}

}  // namespace
}  // namespace kova
