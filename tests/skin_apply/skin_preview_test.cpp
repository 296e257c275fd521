#include <gtest/gtest.h>

#include "skin/data/skin_colors.h"
#include "skin/apply/skin_preview.h"
#include "../skin_model/skin_fixture.h"

namespace kova {
namespace {

using testing::Solid;

// Borders whose active state is green and inactive state red, on a blue form.
testing::SkinSource TwoStateFrame() {
  TBitmap top(20, 40);  // two stacked 20-pixel states
  TBitmap side(8, 20);  // two side-by-side 4-pixel states
  TBitmap bottom(20, 8);
  for (TBitmap* b : {&top, &side, &bottom}) {
    b->Fill(0x00FF00);
  }
  for (int x = 0; x < 20; ++x) {
    for (int y = 20; y < 40; ++y)
      top.SetPixel(x, y, 0x0000FF);
    for (int y = 4; y < 8; ++y)
      bottom.SetPixel(x, y, 0x0000FF);
  }
  for (int x = 4; x < 8; ++x) {
    for (int y = 0; y < 20; ++y)
      side.SetPixel(x, y, 0x0000FF);
  }
  top.SetPixel(10, 0, 0xFF00FF);  // a see-through spot in both states
  top.SetPixel(10, 20, 0xFF00FF);
  return {
      "[Personality]\nTop=t.bmp\nTopFrame=2\nLeft=s.bmp\nLeftFrame=2\nLeftTrans=0\n"
      "Right=s.bmp\nRightFrame=2\nBottom=b.bmp\nBottomFrame=2\n"
      "[Colours]\nButtonFace=0,0,200\n",
      {{"t.bmp", top}, {"s.bmp", side}, {"b.bmp", bottom}}};
}

TEST(SkinPreviewTest, FramesTheClientAreaInTheWindowState) {
  TSkinData data(nullptr);
  testing::Load(data, TwoStateFrame());
  const SkinFrameMetrics m = FrameMetrics(data);
  EXPECT_EQ(m.left, 4);
  EXPECT_EQ(m.right, 4);
  EXPECT_EQ(m.caption, 20);
  EXPECT_EQ(m.bottom, 4);
  for (bool active : {true, false}) {
    const TBitmap out = ComposeSkinPreview(data, {100, 60, active, ""});
    ASSERT_EQ(out.Width(), 100);
    const TColor frame = active ? 0x00FF00 : 0x0000FF;
    EXPECT_EQ(out.Pixel(50, 5), frame);   // title
    EXPECT_EQ(out.Pixel(1, 40), frame);   // left
    EXPECT_EQ(out.Pixel(98, 40), frame);  // right
    EXPECT_EQ(out.Pixel(50, 58), frame);  // bottom
    EXPECT_EQ(out.Pixel(50, 40), RGBToColor(0, 0, 200));
    EXPECT_EQ(out.Pixel(50, 0), 0xFFFFFF);  // the see-through spot shows the desktop
  }
  EXPECT_TRUE(ComposeSkinPreview(data, {8, 60, true, ""}).Empty());
  EXPECT_TRUE(ComposeSkinPreview(data, {100, 24, true, ""}).Empty());
}

TEST(SkinPreviewTest, CaptionTextUsesTheTitleColour) {
  testing::SkinSource source = TwoStateFrame();
  source.ini.insert(source.ini.find("[Colours]"),
                    "TextShift=10\nActiveTextR=255\nActiveTextG=255\nActiveTextB=255\n");
  TSkinData data(nullptr);
  testing::Load(data, source);
  const TBitmap out = ComposeSkinPreview(data, {100, 60, true, "I"});
  // The capital I's top bar starts one pixel in, on the text's first row.
  const int y = (20 - 7) / 2;
  EXPECT_EQ(out.Pixel(11, y), 0xFFFFFF);
  EXPECT_EQ(out.Pixel(10, y), 0x00FF00);
}

TEST(SkinPreviewTest, CaptionButtonsSitWhereTheWindowPlacesThem) {
  TSkinData data(nullptr);
  testing::Load(data, TwoStateFrame());
  auto add = [&](int32_t action, int32_t align, int32_t x, int32_t visibility1, TColor color) {
    auto button = std::make_unique<TDataSkinSysButton>("Button");
    button->Map = Solid(6, 6, color);
    button->Frame = 1;
    button->Action = action;
    button->Align = align;
    button->Xcoord = x;
    button->Ycoord = 2;
    button->Visibility1 = visibility1;
    data.SysButtons.push_back(std::move(button));
  };
  add(0, 1, 10, 0, 0x111111);     // close, 10 from the right
  add(50, 3, 2, 0, 0x222222);     // custom, 2 after the caption text
  add(50, 0, 30, 200, 0x333333);  // dialog windows only: not on this sizable one
  const TBitmap out = ComposeSkinPreview(data, {100, 60, true, "II"});
  EXPECT_EQ(out.Pixel(92, 4), 0x111111);
  // Text at TextShift 0, 11 pixels wide: the custom button starts at 13.
  EXPECT_EQ(out.Pixel(13, 4), 0x222222);
  EXPECT_NE(out.Pixel(12, 4), 0x222222);
  EXPECT_NE(out.Pixel(32, 4), 0x333333);
}

// See-through side borders under an opaque title strip: the window's region cuts their
// key-coloured corners, so the preview shows the desktop there instead of the strip.
TEST(SkinPreviewTest, ShowsTheDesktopWhereTheWindowRegionCutsTheCorners) {
  constexpr TColor kKey = 0xFF00FF;
  constexpr TColor kGreen = 0x00FF00;
  constexpr TColor kDesktop = 0xFFFFFF;
  // Two 4 x 20 states side by side, with a 3 x 3 key square in both outer corners.
  auto side = [&](bool left) {
    TBitmap b(8, 20);
    b.Fill(kGreen);
    for (int f = 0; f < 2; ++f) {
      for (int y : {0, 1, 2, 17, 18, 19}) {
        for (int i = 0; i < 3; ++i) {
          b.SetPixel(f * 4 + (left ? i : 3 - i), y, kKey);
        }
      }
    }
    return b;
  };
  TSkinData data(nullptr);
  testing::Load(
      data,
      {"[Personality]\nTop=t.bmp\nTopFrame=2\nTopTrans=0\n"
       "Left=l.bmp\nLeftFrame=2\nLeftTrans=1\nLeftTopHeight=4\nLeftBotHeight=4\nLeftStretch=1\n"
       "Right=r.bmp\nRightFrame=2\nRightTrans=1\nRightTopHeight=4\nRightBotHeight=4\n"
       "RightStretch=1\nBottom=b.bmp\nBottomFrame=2\n",
       {{"t.bmp", Solid(20, 40, kGreen)},
        {"l.bmp", side(true)},
        {"r.bmp", side(false)},
        {"b.bmp", Solid(20, 8, kGreen)}}});
  const TBitmap out = ComposeSkinPreview(data, {100, 60, true, ""});
  ASSERT_FALSE(out.Empty());
  const struct {
    int x, y;
    bool desktop;
  } cases[] = {
      {0, 0, true},   {2, 0, true},   {0, 2, true},    {3, 0, false},  {3, 3, false},
      {99, 0, true},  {97, 2, true},  {96, 0, false},  {0, 59, true},  {2, 57, true},
      {3, 59, false}, {99, 59, true}, {96, 59, false}, {50, 0, false}, {0, 30, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(out.Pixel(c.x, c.y) == kDesktop, c.desktop) << "at " << c.x << "," << c.y;
  }
}

}  // namespace
}  // namespace kova
