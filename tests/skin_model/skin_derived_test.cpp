#include <gtest/gtest.h>

#include "skin/data/image_utils.h"
#include "skin/data/skin_colors.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_platform.h"
#include "skin_fixture.h"

namespace kova {
namespace {

using testing::Load;
using testing::Solid;

// A strip of `frames` cells, each filled with its own colour (red = 10 * state).
TBitmap Cells(int cell_width, int height, int frames, TColor base = 0) {
  TBitmap bitmap(cell_width * frames, height);
  for (int i = 0; i < frames; ++i) {
    for (int x = 0; x < cell_width; ++x) {
      for (int y = 0; y < height; ++y) {
        bitmap.SetPixel(i * cell_width + x, y, base + RGBToColor(10 * (i + 1), 0, 0));
      }
    }
  }
  return bitmap;
}

TEST(SkinDerivedTest, DarkCaptionColourGivesTheToolbarGradient) {
  const TColor caption = RGBToColor(73, 72, 72);
  TSkinData data(nullptr);
  Load(data, {"[Personality]\nTop=top.bmp\nTopFrame=2\n[Colours]\nButtonFace=200,200,200\n",
              {{"top.bmp", Solid(30, 60, caption)}}});
  EXPECT_EQ(data.GetCaptionColor(), caption);
  EXPECT_EQ(data.Color(TShemeColor::csCaption), caption);
  ASSERT_EQ(GetHSV(caption), 200);
  const TBitmap& bar = data.Toolbar->Map;
  ASSERT_EQ(bar.Width(), 10);
  ASSERT_EQ(bar.Height(), 40);
  EXPECT_EQ(data.Toolbar->Frame, 1);
  // Top: 15 % button face, 85 % white = 247. Bottom: (25 * 25) div 140 + 50 = 54 % caption
  // colour, 46 % white = (157, 156, 156); the last row of the 40-row gradient falls one
  // short of it on each falling channel (steps truncate toward zero).
  EXPECT_EQ(bar.Pixel(9, 0), RGBToColor(247, 247, 247));
  EXPECT_EQ(bar.Pixel(0, 39), RGBToColor(158, 157, 157));
}

TEST(SkinDerivedTest, SaturatedCaptionKeepsTheGreyMix) {
  const TColor caption = RGBToColor(0, 0, 255);  // saturation 255 > 110
  TSkinData data(nullptr);
  const std::string face = "[Colours]\nButtonFace=200,200,200\n";
  Load(data, {"[Personality]\nTop=top.bmp\n" + face, {{"top.bmp", Solid(30, 30, caption)}}});
  ASSERT_EQ(GetHSV(caption), 255);
  // (225 - 255) * 25 div 140 + 50 = 45 % blue, 55 % white: bottom (140, 140, 255) under a
  // top of 247; the last row is (141, 141, 255).
  EXPECT_EQ(data.Toolbar->Map.Pixel(0, 0), RGBToColor(247, 247, 247));
  EXPECT_EQ(data.Toolbar->Map.Pixel(0, 39), RGBToColor(141, 141, 255));
  TSkinData pale(nullptr);
  const TColor light = RGBToColor(200, 190, 180);  // low saturation, not dark
  Load(pale, {"[Personality]\nTop=top.bmp\n" + face, {{"top.bmp", Solid(30, 30, light)}}});
  ASSERT_LE(GetHSV(light), 110);
  // 15 % grey, 85 % caption colour: bottom (189, 181, 172); last row (190, 182, 173).
  EXPECT_EQ(pale.Toolbar->Map.Pixel(0, 39), RGBToColor(190, 182, 173));
}

TEST(SkinDerivedTest, CaptionColourComesFromTheActiveState) {
  TBitmap top(30, 60);
  top.Fill(0x0000FF);
  for (int x = 0; x < 30; ++x) {
    for (int y = 0; y < 30; ++y) {
      top.SetPixel(x, y, 0x00FF00);
    }
  }
  for (int frames : {2, 0, -3}) {
    TSkinData data(nullptr);
    Load(data, {"[Personality]\nTop=top.bmp\nTopFrame=" + std::to_string(frames) + "\n",
                {{"top.bmp", top}}});
    // Frame 2: y = 30 / 3 = 10 (active half); 0 or less counts as one state: y = 20.
    EXPECT_EQ(data.GetCaptionColor(), 0x00FF00) << frames;
  }
}

TEST(SkinDerivedTest, ComboArrowWithoutSunkEdgeUsesTheButtonFace) {
  TBitmap button = Solid(40, 20, 0x123456);
  button.SetPixel(3, 3, kTransparentKey);
  TSkinData data(nullptr);
  Load(data, {"[Colours]\nButtonFace=1,2,3\n[ComboButton]\nImage=c.bmp\n", {{"c.bmp", button}}});
  ASSERT_NE(data.ComboxArrow, nullptr);
  EXPECT_EQ(data.ComboxArrow->Map.Pixel(3, 3), RGBToColor(1, 2, 3));
  EXPECT_EQ(data.ComboxArrow->Map.Pixel(4, 3), 0x123456);
  EXPECT_EQ(data.ComboxArrow->Frame, 4);
  // The mirrored copy is kept for right-to-left painting; nothing was composed.
  EXPECT_EQ(data.ComboButton->Style, 0);
  EXPECT_EQ(data.ComboButton->Map2.Pixel(36, 3), kTransparentKey);
}

TEST(SkinDerivedTest, ComboCompositeFromSunkEdgeAndButton) {
  TSkinData data(nullptr);
  Load(data, {"[SunkEdge]\nImage=s.bmp\nTopHeight=2\nBottomHeight=3\n"
              "[ComboButton]\nImage=c.bmp\n",
              {{"s.bmp", Cells(20, 21, 4)}, {"c.bmp", Cells(18, 21, 4, 0x00FF00)}}});
  const int b = SkinVerticalScrollBarWidth() + 2;
  const TDataSkinBorder& combo = *data.ComboButton;
  EXPECT_EQ(combo.Style, 2);
  EXPECT_EQ(combo.LeftWidth, 2);
  EXPECT_EQ(combo.TopHeight, 2);
  EXPECT_EQ(combo.BottomHeight, 3);
  EXPECT_EQ(combo.RightWidth, b + 2);
  ASSERT_EQ(combo.Map.Width(), 200);
  ASSERT_EQ(combo.Map.Height(), 21);
  for (int i = 0; i < 4; ++i) {
    const int x = i * 50;
    EXPECT_EQ(combo.Map.Pixel(x, 0), RGBToColor(10 * (i + 1), 0, 0)) << i;           // sunk edge
    EXPECT_EQ(combo.Map.Pixel(x + 10, 10), kTransparentKey) << i;                    // inner hole
    EXPECT_EQ(combo.Map.Pixel(x + 49, 10), RGBToColor(10 * (i + 1), 0xFF, 0)) << i;  // button
  }
  // The sunk edge becomes the mirror image with the margins swapped.
  const TDataSkinObject& sunk = *data.SunkEdge;
  EXPECT_EQ(sunk.LeftWidth, b + 2);
  EXPECT_EQ(sunk.RightWidth, 2);
  EXPECT_EQ(sunk.Map.Pixel(199 - 49, 10), combo.Map.Pixel(49, 10));
  // The arrow cells are cut from the right end of each composed state.
  const TDataSkinObject& arrow = *data.ComboxArrow;
  EXPECT_EQ(arrow.Frame, 4);
  ASSERT_EQ(arrow.Map.Width(), 68);
  ASSERT_EQ(arrow.Map.Height(), 17);
  EXPECT_EQ(arrow.Map.Pixel(17 * 2 + 16, 8), combo.Map.Pixel(3 * 50 - 3, 10));
}

TEST(SkinDerivedTest, MinCaptionIsAnOutlinedCaptionFace) {
  const TColor caption = RGBToColor(100, 80, 60);
  TSkinData data(nullptr);
  Load(data, {"[Personality]\nTop=top.bmp\n", {{"top.bmp", Solid(30, 30, caption)}}});
  EXPECT_EQ(data.MinCaption, nullptr);
  data.CreateMinCaption();
  const TDataSkinObject& face = *data.MinCaption;
  EXPECT_EQ(face.Map.Width(), 80);
  EXPECT_EQ(face.Map.Height(), 29);
  EXPECT_EQ(face.Frame, 1);
  EXPECT_EQ(face.LeftWidth + face.TopHeight + face.RightWidth + face.BottomHeight, 12);
  EXPECT_EQ(face.Map.Pixel(40, 14), caption);
  EXPECT_EQ(face.Map.Pixel(0, 14), RGBToColor(50, 40, 30));
  EXPECT_EQ(face.Map.Pixel(40, 28), RGBToColor(50, 40, 30));
}

TEST(SkinDerivedTest, CaptionFontComesFromTheSystem) {
  TSkinData data(nullptr);
  data.CreateCaptionFont();
  EXPECT_TRUE(data.CaptionFont.valid);
  EXPECT_FALSE(data.CaptionFont.face.empty());
}

}  // namespace
}  // namespace kova
