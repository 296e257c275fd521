// Track bars, up-down buttons and status bars composed from the skin.
#include <gtest/gtest.h>

#include <vector>

#include "skin/apply/skin_status_bar_paint.h"
#include "skin/apply/skin_track_bar_paint.h"
#include "skin/apply/skin_up_down_paint.h"
#include "tab_family_skin.h"

namespace kova {
namespace {

using testing::FamilyObject;
using testing::ObjectColor;

constexpr TColor kBack = 0x102030;
constexpr TColor kTick = 0x00FFFF;

TrackBarLook Look(int width, int height, bool vertical, ImageRect channel, ImageRect thumb,
                  TrackBarTicks ticks = TrackBarTicks::kNone) {
  TrackBarLook look;
  look.width = width;
  look.height = height;
  look.vertical = vertical;
  look.channel = channel;
  look.thumb = thumb;
  look.ticks = ticks;
  return look;
}

class SkinBarPaintTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::Load(skin_, testing::TabFamilySkin()); }
  TSkinData skin_{nullptr};
};

TEST_F(SkinBarPaintTest, TrackBarChannelAlongTheControlsChannelCentredOnTheThumb) {
  struct Case {
    const char* name;
    TrackBarLook look;
    int thickness;
    ImageRect channel;
  };
  const Case cases[] = {
      {"horizontal", Look(150, 30, false, {8, 13, 142, 17}, {40, 4, 50, 24}), 6, {8, 11, 142, 17}},
      // Upright bars some controls report lying down: the channel is turned upright.
      {"vertical, reported lying",
       Look(30, 150, true, {8, 13, 142, 17}, {4, 40, 24, 50}),
       6,
       {11, 8, 17, 142}},
      {"vertical", Look(30, 150, true, {13, 8, 17, 142}, {4, 40, 24, 50}), 6, {11, 8, 17, 142}},
      // Without a thumb the control's own channel gives the middle.
      {"no thumb", Look(150, 30, false, {8, 20, 142, 24}, {}), 6, {8, 19, 142, 25}},
      // Thicker than the control: as thick as it is, from its edge.
      {"too thick", Look(150, 10, false, {8, 3, 142, 7}, {40, 0, 50, 10}), 40, {8, 0, 142, 10}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TrackBarParts parts = TrackBarLayout(c.look, c.thickness);
    EXPECT_EQ(parts.channel.left, c.channel.left);
    EXPECT_EQ(parts.channel.top, c.channel.top);
    EXPECT_EQ(parts.channel.right, c.channel.right);
    EXPECT_EQ(parts.channel.bottom, c.channel.bottom);
    EXPECT_EQ(parts.thumb.left, c.look.thumb.left);  // the thumb stays where the control has it
    EXPECT_EQ(parts.thumb.bottom, c.look.thumb.bottom);
  }
}

TEST_F(SkinBarPaintTest, TrackBarThumbFrameFromItsState) {
  struct Case {
    bool enabled, pressed, hot, focused;
    int frame;
  };
  const Case cases[] = {
      {true, false, false, false, 1}, {true, true, true, true, 2},   {false, true, true, true, 3},
      {true, false, true, true, 4},   {true, false, false, true, 5},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TrackBarThumbFrame(c.enabled, c.pressed, c.hot, c.focused), c.frame);
  }
}

TEST_F(SkinBarPaintTest, TrackBarTicksInProportionAlongTheChannel) {
  struct Case {
    int minimum, maximum;
    std::vector<int> values;
    int start, end;
    std::vector<int> pixels;
  };
  const Case cases[] = {
      {0, 10, {2, 5}, 10, 111, {10, 30, 60, 110}},
      {-50, 50, {-25, 0}, 0, 201, {0, 50, 100, 200}},
      {0, 3, {1}, 0, 11, {0, 3, 10}},               // 3.33 rounds down
      {0, 3, {2}, 0, 11, {0, 7, 10}},               // 6.67 rounds up
      {0, 10, {-5, 20}, 0, 101, {0, 0, 100, 100}},  // values outside the range stay on it
      {0, 0, {0}, 5, 50, {5, 49}},                  // an empty range has only its ends
      {0, 2'000'000'000, {1'000'000'000}, 0, 401, {0, 200, 400}},
      {0, 10, {5}, 20, 19, {}},  // no channel
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TrackBarTickPixels(c.minimum, c.maximum, c.values, c.start, c.end), c.pixels)
        << c.minimum << ".." << c.maximum;
  }
}

TEST_F(SkinBarPaintTest, TrackBarComposedByOrientationWithItsTicks) {
  const std::vector<int> ticks{8, 75, 141};
  struct Case {
    TrackBarLook look;
    FamilyObject channel, thumb;
    int tick_x, tick_y;        // a tick beside the thumb's band
    int no_tick_x, no_tick_y;  // the other side
  };
  Case cases[] = {
      {Look(150, 40, false, {8, 18, 142, 22}, {40, 10, 50, 30}, TrackBarTicks::kBelow),
       FamilyObject::kTrack, FamilyObject::kThumbHorz, 75, 33, 75, 6},
      {Look(150, 40, false, {8, 18, 142, 22}, {40, 10, 50, 30}, TrackBarTicks::kAbove),
       FamilyObject::kTrack, FamilyObject::kThumbHorz, 75, 6, 75, 33},
      {Look(40, 150, true, {18, 8, 22, 142}, {10, 40, 30, 50}, TrackBarTicks::kBelow),
       FamilyObject::kTrackVert, FamilyObject::kThumbVert, 33, 75, 6, 75},
  };
  for (Case& c : cases) {
    c.look.tick_positions = ticks;
    TBitmap buffer(c.look.width, c.look.height);
    ASSERT_TRUE(ComposeTrackBar(buffer, skin_, c.look, 4, kBack, kTick));
    const bool vertical = c.look.vertical;
    // The channel away from the thumb, the thumb in its frame, the background aside.
    EXPECT_EQ(buffer.Pixel(vertical ? 20 : 100, vertical ? 100 : 20), ObjectColor(c.channel, 1));
    EXPECT_EQ(buffer.Pixel(vertical ? 20 : 45, vertical ? 45 : 20), ObjectColor(c.thumb, 4));
    EXPECT_EQ(buffer.Pixel(vertical ? 2 : 100, vertical ? 100 : 2), kBack);
    EXPECT_EQ(buffer.Pixel(c.tick_x, c.tick_y), kTick);
    EXPECT_NE(buffer.Pixel(c.no_tick_x, c.no_tick_y), kTick);
  }
  // No ticks, and no channel image: nothing composed.
  TrackBarLook plain = Look(150, 40, false, {8, 18, 142, 22}, {40, 10, 50, 30});
  plain.tick_positions = ticks;
  TBitmap buffer(150, 40);
  ASSERT_TRUE(ComposeTrackBar(buffer, skin_, plain, 1, kBack, kTick));
  EXPECT_EQ(buffer.Pixel(75, 33), kBack);
  skin_.Track.reset();
  EXPECT_FALSE(ComposeTrackBar(buffer, skin_, plain, 1, kBack, kTick));
}

TEST_F(SkinBarPaintTest, UpDownHalvesWhereTheControlSplitsThem) {
  struct Case {
    int width, height;
    bool horizontal;
    int x, y;
    UpDownPart part;
  };
  const Case cases[] = {
      {16, 23, false, 8, 0, UpDownPart::kFirst},   {16, 23, false, 8, 10, UpDownPart::kFirst},
      {16, 23, false, 8, 11, UpDownPart::kSecond}, {16, 23, false, 8, 22, UpDownPart::kSecond},
      {31, 14, true, 14, 7, UpDownPart::kFirst},   {31, 14, true, 15, 7, UpDownPart::kSecond},
      {16, 23, false, 16, 5, UpDownPart::kNone},   {16, 23, false, 3, 23, UpDownPart::kNone},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(UpDownPartAt(c.width, c.height, c.horizontal, c.x, c.y), c.part)
        << c.width << "x" << c.height << " at " << c.x << "," << c.y;
  }
}

TEST_F(SkinBarPaintTest, UpDownButtonFramesAsPushButtonsSecondButtonFromFrameFive) {
  using P = UpDownPart;
  struct Case {
    P button, pressed, hot;
    bool enabled;
    int frame;
  };
  const Case cases[] = {
      {P::kFirst, P::kNone, P::kNone, true, 1},     {P::kSecond, P::kNone, P::kNone, true, 5},
      {P::kFirst, P::kFirst, P::kFirst, true, 2},   {P::kSecond, P::kSecond, P::kNone, true, 6},
      {P::kFirst, P::kNone, P::kNone, false, 3},    {P::kSecond, P::kSecond, P::kSecond, false, 7},
      {P::kFirst, P::kNone, P::kFirst, true, 4},    {P::kSecond, P::kNone, P::kSecond, true, 8},
      {P::kSecond, P::kFirst, P::kSecond, true, 5},  // hot only shows while nothing is pressed
  };
  for (const Case& c : cases) {
    EXPECT_EQ(UpDownButtonFrame(c.button, c.pressed, c.hot, c.enabled), c.frame);
  }
}

TEST_F(SkinBarPaintTest, UpDownComposedWithGlyphsCentredOnEachButton) {
  TBitmap upright(16, 40);
  ASSERT_TRUE(
      ComposeUpDown(upright, skin_, false, UpDownPart::kFirst, UpDownPart::kNone, true, kBack));
  EXPECT_EQ(upright.Pixel(8, 2), ObjectColor(FamilyObject::kUpDownVert, 2));
  EXPECT_EQ(upright.Pixel(8, 38), ObjectColor(FamilyObject::kUpDownVert, 5));
  // The glyph's 4 x 4 mark in the middle of each half, in the button's frame.
  EXPECT_EQ(upright.Pixel(8, 10), ObjectColor(FamilyObject::kUpDownGlyph, 2));
  EXPECT_EQ(upright.Pixel(8, 30), ObjectColor(FamilyObject::kUpDownGlyph, 5));
  EXPECT_EQ(upright.Pixel(3, 10), ObjectColor(FamilyObject::kUpDownVert, 2));

  TBitmap flat(40, 16);
  ASSERT_TRUE(
      ComposeUpDown(flat, skin_, true, UpDownPart::kNone, UpDownPart::kSecond, false, kBack));
  EXPECT_EQ(flat.Pixel(2, 8), ObjectColor(FamilyObject::kUpDownHorz, 3));
  EXPECT_EQ(flat.Pixel(38, 8), ObjectColor(FamilyObject::kUpDownHorz, 7));

  skin_.UpDownHorz.reset();
  EXPECT_FALSE(ComposeUpDown(flat, skin_, true, UpDownPart::kNone, UpDownPart::kNone, true, kBack));
}

TEST_F(SkinBarPaintTest, StatusBarPanelsFramedByTheirEdgeStyle) {
  const std::vector<StatusPanelLook> panels{{{0, 2, 100, 22}, StatusPanelEdge::kSunken},
                                            {{102, 2, 200, 22}, StatusPanelEdge::kRaised},
                                            {{202, 2, 300, 22}, StatusPanelEdge::kNone}};
  TBitmap bar(320, 24);
  ASSERT_TRUE(ComposeStatusBar(bar, skin_, panels, kBack));
  EXPECT_EQ(bar.Pixel(50, 12), ObjectColor(FamilyObject::kStatusEdges, 1));
  EXPECT_EQ(bar.Pixel(150, 12), ObjectColor(FamilyObject::kStatusEdges, 2));
  EXPECT_EQ(bar.Pixel(250, 12), kBack);
  EXPECT_EQ(bar.Pixel(101, 12), kBack);  // between panels
  EXPECT_EQ(bar.Pixel(310, 12), kBack);

  // A one-frame image shows raised panels like sunken ones; text keeps off the edge.
  TDataSkinObject single;
  single.Frame = 1;
  single.LeftWidth = 3;
  single.TopHeight = 2;
  single.RightWidth = 3;
  single.BottomHeight = 2;
  EXPECT_EQ(StatusPanelFrame(single, StatusPanelEdge::kRaised), 1);
  EXPECT_EQ(StatusPanelFrame(single, StatusPanelEdge::kNone), 0);
  const ImageRect text = StatusPanelTextRect(single, {10, 0, 110, 20});
  EXPECT_EQ(text.left, 15);
  EXPECT_EQ(text.right, 105);
  EXPECT_EQ(text.top, 2);
  EXPECT_EQ(text.bottom, 18);

  skin_.StatusBarEdges.reset();
  EXPECT_FALSE(ComposeStatusBar(bar, skin_, panels, kBack));
}

}  // namespace
}  // namespace kova
