#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "skin/apply/skin_control_draw.h"
#include "skin/apply/skin_control_paint.h"
#include "../skin_model/skin_fixture.h"
#include "control_skin_fixture.h"
#include "product_skin.h"

namespace kova {
namespace {

using testing::FrameColor;
using testing::FrameColoredSkin;
using testing::Strip;

TEST(SkinControlPaintTest, DrawSkinMapComposesOneFrameAndSkipsEmptyRects) {
  TDataSkinObject object;
  object.Map = Strip(6, 6, 3);
  object.Frame = 3;
  object.LeftWidth = object.RightWidth = 1;
  TBitmap dest(20, 10);
  dest.Fill(0);
  DrawSkinMap(dest, {2, 2, 18, 8}, object, 2);
  EXPECT_EQ(dest.Pixel(10, 5), FrameColor(2));
  EXPECT_EQ(dest.Pixel(1, 1), 0);
  for (const ImageRect empty : {ImageRect{5, 5, 5, 9}, ImageRect{9, 5, 4, 9}}) {
    TBitmap untouched(20, 10);
    untouched.Fill(0);
    DrawSkinMap(untouched, empty, object, 1);
    EXPECT_EQ(untouched.Pixel(5, 6), 0);
  }
  // Trans 1 keeps magenta see-through; DrawSkinMap1 always does.
  object.Map.SetPixel(6 + 3, 3, 0xFF00FF);
  object.Trans = 1;
  dest.Fill(0x123456);
  DrawSkinMap(dest, {0, 0, 6, 6}, object, 2);
  EXPECT_EQ(dest.Pixel(3, 3), 0x123456);
  EXPECT_EQ(dest.Pixel(2, 3), FrameColor(2));
  dest.Fill(0x123456);
  DrawSkinMap1(dest, {0, 0, 12, 12}, object.Map, 3, 2);
  EXPECT_EQ(dest.Pixel(6, 6), 0x123456);
  EXPECT_EQ(dest.Pixel(1, 1), FrameColor(2));
}

TEST(SkinControlPaintTest, PushButtonFrameAndTransparentParent) {
  TSkinData skin(nullptr);
  testing::Load(skin, FrameColoredSkin());
  TBitmap buffer(75, 25);
  for (int frame = 1; frame <= 5; ++frame) {
    ASSERT_TRUE(ComposePushButton(buffer, *skin.Button, frame, nullptr, 0));
    EXPECT_EQ(buffer.Pixel(37, 12), FrameColor(frame));
  }
  // A see-through spot shows the parent's image behind the button.
  for (int y = 2; y < 8; ++y) {
    for (int x = 12; x < 18; ++x) {
      skin.Button->Map.SetPixel(x, y, 0xFF00FF);
    }
  }
  skin.Button->Trans = 1;
  TBitmap parent(75, 25);
  parent.Fill(0x00AA00);
  ComposePushButton(buffer, *skin.Button, 2, &parent, 0);
  EXPECT_EQ(buffer.Pixel(37, 12), 0x00AA00);
  EXPECT_EQ(buffer.Pixel(1, 1), FrameColor(2));

  TDataSkinButton without_image;
  EXPECT_FALSE(ComposePushButton(buffer, without_image, 1, nullptr, 0));
}

TEST(SkinControlPaintTest, CheckAndRadioBoxAtTheirPlace) {
  TSkinData skin(nullptr);
  testing::Load(skin, FrameColoredSkin());
  TBitmap buffer(100, 21);
  const CheckBoxLayout layout =
      PlaceCheckBox({0, 0, 100, 21}, 13, 13, check_style::kLeftText, false, 10);
  ASSERT_TRUE(ComposeCheckBox(buffer, *skin.Button, false, 3, layout.box, 0x222222));
  EXPECT_EQ(buffer.Pixel(93, 10), FrameColor(3));
  EXPECT_EQ(buffer.Pixel(10, 10), 0x222222);
  ASSERT_TRUE(ComposeCheckBox(buffer, *skin.Button, true, 2, {0, 4, 12, 16}, 0x222222));
  EXPECT_EQ(buffer.Pixel(6, 10), FrameColor(2));
  EXPECT_EQ(buffer.Pixel(93, 10), 0x222222);
}

TEST(SkinControlPaintTest, ScrollbarArrowsTrackThumbAndGrip) {
  TSkinData skin(nullptr);
  testing::Load(skin, FrameColoredSkin());
  ASSERT_EQ(skin.Scrollbar->Frame, 23);
  TBitmap buffer(200, 16);
  ScrollbarLook look;
  look.arrow_size = 16;
  look.thumb = ComputeThumb(200, 16, {0, 100, 20, 50}, ScrollbarOwner::kControl);
  look.hot = ScrollPart::kSecondArrow;
  look.pressing = true;
  ASSERT_TRUE(ComposeScrollbar(buffer, skin, look));
  EXPECT_EQ(buffer.Pixel(8, 8), FrameColor(1));    // left arrow
  EXPECT_EQ(buffer.Pixel(191, 8), FrameColor(6));  // right arrow, pressed
  EXPECT_EQ(buffer.Pixel(20, 8), FrameColor(1));   // track, enabled
  const int middle = (look.thumb.start + look.thumb.end) / 2;
  EXPECT_EQ(buffer.Pixel(look.thumb.start + 1, 2), FrameColor(1));  // thumb face
  EXPECT_EQ(buffer.Pixel(middle, 8), 0x00FFFF);                     // grip mark
  EXPECT_EQ(buffer.Pixel(middle, 2), FrameColor(1));                // grip's see-through cell

  look.enabled = false;
  look.hot = ScrollPart::kNone;
  ASSERT_TRUE(ComposeScrollbar(buffer, skin, look));
  EXPECT_EQ(buffer.Pixel(middle, 8), FrameColor(3));  // disabled track, no thumb

  // A bar of 30 with arrows of 17 paints arrows of 15.
  TBitmap short_bar(30, 16);
  look.arrow_size = 17;
  ASSERT_TRUE(ComposeScrollbar(short_bar, skin, look));
  EXPECT_EQ(short_bar.Pixel(14, 8), FrameColor(1));
  EXPECT_EQ(short_bar.Pixel(15, 8), FrameColor(5));
}

// The product's skin gives each push-button state and each scroll-bar arrow state its
// own look, and its grips leave the thumb showing around them.
TEST(SkinControlPaintTest, ProductSkinStatesLookDifferent) {
  TSkinData skin(nullptr);
  testing::Load(skin, testing::ProductSkin());
  ASSERT_FALSE(skin.Button->CheckMap.Empty());
  ASSERT_FALSE(skin.Button->RadioMap.Empty());
  ASSERT_TRUE(skin.Scrollbar && skin.HorzScrollThumb && skin.VertScrollThumb);
  TBitmap buffer(75, 25);
  std::vector<TColor> faces;
  for (int frame = 1; frame <= 5; ++frame) {
    ASSERT_TRUE(ComposePushButton(buffer, *skin.Button, frame, nullptr, 0));
    faces.push_back(buffer.Pixel(10, 12));
  }
  EXPECT_NE(faces[0], faces[1]);  // normal, pressed
  EXPECT_NE(faces[1], faces[3]);  // pressed, hot
  EXPECT_NE(faces[2], faces[0]);  // disabled, normal
  EXPECT_NE(faces[3], faces[0]);  // hot, normal
  // An arrow's glyph narrows to its tip: the left arrow's first lit column holds fewer
  // glyph pixels than its last, and the right arrow the other way round.
  const TBitmap& parts = skin.Scrollbar->Map;
  const int cell = parts.Width() / skin.Scrollbar->Frame;
  auto lit_at_ends = [&](int frame) {
    const TColor face = parts.Pixel((frame - 1) * cell + 1, 1);
    std::vector<int> lit;
    for (int x = 1; x < cell - 1; ++x) {
      int count = 0;
      for (int y = 1; y < parts.Height() - 1; ++y) {
        count += parts.Pixel((frame - 1) * cell + x, y) != face ? 1 : 0;
      }
      if (count > 0) {
        lit.push_back(count);
      }
    }
    return lit.empty() ? std::pair{0, 0} : std::pair{lit.front(), lit.back()};
  };
  const auto left = lit_at_ends(ScrollArrowFrame(false, false, false, false));
  const auto right = lit_at_ends(ScrollArrowFrame(false, true, false, false));
  EXPECT_LT(left.first, left.second);
  EXPECT_GT(right.first, right.second);
  EXPECT_EQ(parts.Pixel((ScrollGripFrame(false) - 1) * cell, 0), kTransparentKey);
}

}  // namespace
}  // namespace kova
