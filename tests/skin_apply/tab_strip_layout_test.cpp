#include <gtest/gtest.h>

#include <span>

#include "skin/apply/skin_control_draw.h"
#include "skin/apply/skin_tab_paint.h"
#include "skin/apply/tab_strip_layout.h"

namespace kova {
namespace {

bool Inside(const ImageRect& r, int x, int y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

void ExpectRect(const ImageRect& actual, const ImageRect& expected) {
  EXPECT_EQ(actual.left, expected.left);
  EXPECT_EQ(actual.top, expected.top);
  EXPECT_EQ(actual.right, expected.right);
  EXPECT_EQ(actual.bottom, expected.bottom);
}

TEST(TabStripLayoutTest, PositionFromTheControlStyle) {
  struct Case {
    uint32_t style;
    TabPosition position;
  };
  const Case cases[] =
      {
          {0x0000, TabPosition::kTop},   {0x0002, TabPosition::kBottom},
          {0x0080, TabPosition::kLeft},  {0x0082, TabPosition::kRight},
          {0x0200, TabPosition::kTop},  // several rows of tabs change nothing
          {0x0282, TabPosition::kRight},
      };
  for (const Case& c : cases) {
    EXPECT_EQ(TabPositionFromStyle(c.style), c.position) << c.style;
  }
}

TEST(TabStripLayoutTest, PageIsTheDisplayWidenedByFourAndMovedOneTowardsTheTabs) {
  const ImageRect display{10, 30, 190, 140};
  struct Case {
    TabPosition position;
    ImageRect page;
  };
  const Case cases[] = {
      {TabPosition::kTop, {6, 25, 194, 143}},
      {TabPosition::kBottom, {6, 27, 194, 145}},
      {TabPosition::kLeft, {5, 26, 193, 144}},
      {TabPosition::kRight, {7, 26, 195, 144}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.position));
    ExpectRect(TabPageRect(display, c.position), c.page);
  }
}

TEST(TabStripLayoutTest, PageStartsNoNearerTheTabSideThanTheTabsEnd) {
  // A display rectangle only two pixels clear of 18-pixel tabs: the widened page would
  // cut the tabs; fitted, the page starts where they end.
  const ImageRect tabs_top[] = {{2, 2, 59, 20}, {59, 2, 117, 20}, {0, 0, 0, 0}};
  const ImageRect tabs_bottom[] = {{2, 100, 59, 118}};
  const ImageRect tabs_left[] = {{2, 2, 20, 59}, {2, 59, 20, 117}};
  const ImageRect tabs_right[] = {{200, 2, 218, 59}};
  struct Case {
    TabPosition position;
    ImageRect display;
    std::span<const ImageRect> items;
    ImageRect page;
  };
  const Case cases[] = {
      {TabPosition::kTop, {4, 22, 216, 116}, tabs_top, {0, 20, 220, 119}},
      {TabPosition::kBottom, {4, 4, 216, 98}, tabs_bottom, {0, 1, 220, 100}},
      {TabPosition::kLeft, {22, 4, 216, 196}, tabs_left, {20, 0, 219, 200}},
      {TabPosition::kRight, {4, 4, 198, 196}, tabs_right, {1, 0, 200, 200}},
      // Tabs well clear of the page leave it as it is.
      {TabPosition::kTop, {4, 40, 216, 116}, tabs_top, {0, 35, 220, 119}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.position));
    ExpectRect(FitPageToTabs(TabPageRect(c.display, c.position), c.position, c.items), c.page);
  }
}

// A 200 x 150 control whose tabs take a 31-pixel band on one side: a tab marked in the
// strip buffer shows, once the strip is turned into place, exactly on the tab the control
// reports, moved one pixel towards the page.
TEST(TabStripLayoutTest, ATabMarkedInTheBufferShowsOnItsOwnRectangleInEveryPosition) {
  constexpr int kWidth = 200;
  constexpr int kHeight = 150;
  struct Case {
    TabPosition position;
    ImageRect display;
    ImageRect strip;
    ImageRect item;        // as the control reports it
    ImageRect shown;       // where the composed tab lands
    int first_x, first_y;  // where the buffer's top left pixel lands (text starts there)
  };
  const Case cases[] = {
      {TabPosition::kTop,
       {6, 36, 194, 144},
       {0, 0, 200, 31},
       {10, 4, 60, 28},
       {10, 5, 60, 29},
       0,
       0},
      {TabPosition::kBottom,
       {6, 6, 194, 114},
       {0, 119, 200, 150},
       {10, 122, 60, 146},
       {10, 121, 60, 145},
       0,
       119},
      {TabPosition::kLeft,
       {36, 6, 194, 144},
       {0, 0, 31, 150},
       {4, 10, 28, 60},
       {5, 10, 29, 60},
       0,
       149},
      {TabPosition::kRight,
       {6, 6, 164, 144},
       {169, 0, 200, 150},
       {172, 10, 196, 60},
       {171, 10, 195, 60},
       199,
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.position));
    const TabStripLayout layout(kWidth, kHeight, TabPageRect(c.display, c.position), c.position);
    ExpectRect(layout.Strip(), c.strip);
    const bool lying = c.position == TabPosition::kLeft || c.position == TabPosition::kRight;
    const int strip_w = c.strip.right - c.strip.left;
    const int strip_h = c.strip.bottom - c.strip.top;
    EXPECT_EQ(layout.BufferWidth(), lying ? strip_h : strip_w);
    EXPECT_EQ(layout.BufferHeight(), lying ? strip_w : strip_h);

    constexpr TColor kMark = 0x00FF00;
    constexpr TColor kFirst = 0x0000FF;
    TBitmap buffer(layout.BufferWidth(), layout.BufferHeight());
    buffer.Fill(0);
    const ImageRect in_buffer = layout.ItemToBuffer(c.item);
    FillRect(buffer, in_buffer, kMark);
    buffer.SetPixel(0, 0, kFirst);
    TurnTabStrip(buffer, c.position);
    ASSERT_EQ(buffer.Width(), strip_w);
    ASSERT_EQ(buffer.Height(), strip_h);
    for (int y = 0; y < strip_h; ++y) {
      for (int x = 0; x < strip_w; ++x) {
        const int cx = c.strip.left + x;
        const int cy = c.strip.top + y;
        if (cx == c.first_x && cy == c.first_y) {
          EXPECT_EQ(buffer.Pixel(x, y), kFirst);
        } else {
          ASSERT_EQ(buffer.Pixel(x, y) == kMark, Inside(c.shown, cx, cy)) << cx << "," << cy;
        }
      }
    }
    // Back again: the shown rectangle, and client points inside it hit the tab.
    ExpectRect(layout.BufferToClient(in_buffer), c.shown);
    for (const TabPoint p :
         {TabPoint{c.shown.left, c.shown.top}, TabPoint{c.shown.right - 1, c.shown.bottom - 1}}) {
      const TabPoint b = layout.ClientToBuffer(p);
      EXPECT_TRUE(Inside(in_buffer, b.x, b.y)) << p.x << "," << p.y;
    }
  }
}

TEST(TabStripLayoutTest, APageBeyondTheControlLeavesNoStrip) {
  // A control too small for its tabs: the display rectangle lies outside it.
  const TabStripLayout layout(40, 30, TabPageRect({10, -20, 30, -5}, TabPosition::kTop),
                              TabPosition::kTop);
  EXPECT_TRUE(layout.Empty());
  EXPECT_TRUE(ComposeTabStrip(layout, TDataSkinObject{}, {}).Empty());
}

}  // namespace
}  // namespace kova
