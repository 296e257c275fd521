#include <gtest/gtest.h>

#include <memory>

#include "../skin_model/skin_fixture.h"
#include "control_skin_fixture.h"
#include "skin/apply/combo_header_paint.h"

namespace kova {
namespace {

using testing::FrameColor;
using testing::Strip;

constexpr TColor kShown = 0x123456;  // what the control drew itself

// Frame n of the edge in EdgeColor(n), of the button in ButtonColor(n).
TColor EdgeColor(int frame) {
  return 0x200000 * frame + 0x10;
}
TColor ButtonColor(int frame) {
  return 0x002000 * frame + 0x20;
}

TBitmap Cells(int w, int h, int frames, TColor (*color)(int)) {
  TBitmap b(w * frames, h);
  for (int f = 0; f < frames; ++f) {
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        b.SetPixel(f * w + x, y, color(f + 1));
      }
    }
  }
  return b;
}

// A combo box skin; `with_edge` adds the "SunkEdge" the model composes with the button.
void LoadComboSkin(TSkinData& skin, bool with_edge) {
  testing::SkinSource source;
  source.ini =
      "[ComboButton]\nImage=cb.bmp\nLeftWidth=2\nRightWidth=2\nTopHeight=2\nBottomHeight=2\n"
      "Trans=1\n";
  source.images["cb.bmp"] = Cells(17, 21, 4, ButtonColor);
  if (with_edge) {
    source.ini +=
        "[SunkEdge]\nImage=se.bmp\nLeftWidth=2\nRightWidth=2\nTopHeight=2\nBottomHeight=2\n";
    source.images["se.bmp"] = Cells(20, 21, 4, EdgeColor);
  }
  testing::Load(skin, source);
  // A small glyph whose frames tell where and in which state it was drawn.
  skin.ComboxArrow = std::make_unique<TDataSkinObject>("ComboxArrow");
  skin.ComboxArrow->Map = Strip(5, 5, 4);
  skin.ComboxArrow->Frame = 4;
}

TEST(ComboBoxPaintTest, EdgeAndButtonInTheirFrameOverWhatTheControlShows) {
  TSkinData skin(nullptr);
  LoadComboSkin(skin, /*with_edge=*/true);
  ASSERT_EQ(skin.ComboButton->Style, 2);  // composed with the edge by the model
  for (int frame = 1; frame <= 4; ++frame) {
    TBitmap buffer(120, 24);
    buffer.Fill(kShown);
    ComboBoxLook look;
    look.frame = frame;
    look.button = {101, 2, 118, 22};
    ASSERT_TRUE(ComposeComboBox(buffer, skin, look));
    EXPECT_EQ(buffer.Pixel(0, 12), EdgeColor(frame)) << frame;  // the edge's left side
    EXPECT_EQ(buffer.Pixel(50, 0), EdgeColor(frame)) << frame;  // and top
    EXPECT_EQ(buffer.Pixel(50, 12), kShown) << frame;           // the item area
    EXPECT_EQ(buffer.Pixel(104, 20), ButtonColor(frame)) << frame;
    // The glyph at its own size in the middle of the button.
    EXPECT_EQ(buffer.Pixel(109, 12), FrameColor(frame)) << frame;
    EXPECT_EQ(buffer.Pixel(109, 7), ButtonColor(frame)) << frame;
  }
}

TEST(ComboBoxPaintTest, ButtonAtTheLeftUsesTheMirroredImageInTheSameFrame) {
  TSkinData skin(nullptr);
  LoadComboSkin(skin, /*with_edge=*/true);
  for (int frame = 1; frame <= 4; ++frame) {
    TBitmap buffer(120, 24);
    buffer.Fill(kShown);
    ComboBoxLook look;
    look.frame = frame;
    look.button = {2, 2, 19, 22};
    look.button_left = true;
    ASSERT_TRUE(ComposeComboBox(buffer, skin, look));
    EXPECT_EQ(buffer.Pixel(119, 12), EdgeColor(frame)) << frame;
    EXPECT_EQ(buffer.Pixel(15, 20), ButtonColor(frame)) << frame;
    EXPECT_EQ(buffer.Pixel(70, 12), kShown) << frame;
    EXPECT_EQ(buffer.Pixel(10, 12), FrameColor(frame)) << frame;
  }
}

TEST(ComboBoxPaintTest, WithoutAnEdgeOnlyTheButtonIsPainted) {
  TSkinData skin(nullptr);
  LoadComboSkin(skin, /*with_edge=*/false);
  TBitmap buffer(120, 24);
  buffer.Fill(kShown);
  ComboBoxLook look;
  look.frame = 4;
  look.button = {101, 2, 118, 22};
  ASSERT_TRUE(ComposeComboBox(buffer, skin, look));
  EXPECT_EQ(buffer.Pixel(0, 12), kShown);
  EXPECT_EQ(buffer.Pixel(50, 12), kShown);
  EXPECT_EQ(buffer.Pixel(103, 4), ButtonColor(4));
  EXPECT_EQ(buffer.Pixel(109, 12), FrameColor(4));

  TSkinData bare(nullptr);
  testing::Load(bare, {"[Colours]\nButtonFace=1,2,3\n", {}});
  EXPECT_FALSE(ComposeComboBox(buffer, bare, look));
}

TEST(HeaderPaintTest, SectionsInTheirFramesAndTheRestAtRest) {
  TSkinData skin(nullptr);
  testing::Load(skin, {"[Headerbar]\nImage=h.bmp\n", {{"h.bmp", Strip(10, 10, 5)}}});
  ASSERT_EQ(skin.Headerbar->Frame, 5);
  TBitmap buffer(150, 20);
  buffer.Fill(kShown);
  ASSERT_TRUE(ComposeHeader(buffer, skin,
                            {{{0, 0, 40, 20}, 1}, {{40, 0, 80, 20}, 4}, {{80, 0, 100, 20}, 2}}));
  EXPECT_EQ(buffer.Pixel(20, 10), FrameColor(1));
  EXPECT_EQ(buffer.Pixel(60, 10), FrameColor(4));
  EXPECT_EQ(buffer.Pixel(90, 10), FrameColor(2));
  EXPECT_EQ(buffer.Pixel(140, 10), FrameColor(1));

  TSkinData bare(nullptr);
  testing::Load(bare, {"[Colours]\nButtonFace=1,2,3\n", {}});
  EXPECT_FALSE(ComposeHeader(buffer, bare, {}));
}

}  // namespace
}  // namespace kova
