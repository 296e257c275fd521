#include "skin/apply/frame_geometry.h"

#include <gtest/gtest.h>

#include "image_rect_printing.h"

namespace kova {
namespace {

using namespace frame_style;

TEST(FrameGeometryTest, BorderStyleFromStylesAndClass) {
  struct Case {
    uint32_t style;
    uint32_t ex_style;
    const char* class_name;
    SkinBorderStyle expected;
    bool message_box;
  };
  const uint32_t kBorderOnly = 0x00800000;  // one of the two caption bits
  const Case cases[] = {
      {0, 0, "Frame", SkinBorderStyle::kNone, false},
      {kBorderOnly | kThickFrame, 0, "Frame", SkinBorderStyle::kNone, false},
      {kCaption | kThickFrame, 0, "Frame", SkinBorderStyle::kSizable, false},
      {kCaption, 0, "Frame", SkinBorderStyle::kSingle, false},
      {kCaption | kModalFrame, 0, "Frame", SkinBorderStyle::kDialog, false},
      {kCaption | kThickFrame | kModalFrame, 0, "Frame", SkinBorderStyle::kSizable, false},
      {0, kExDialogModalFrame, "Frame", SkinBorderStyle::kDialog, false},
      {kCaption | kThickFrame, 0, "#32770", SkinBorderStyle::kDialog, true},
      {0, 0, "TMessageForm", SkinBorderStyle::kDialog, true},
  };
  for (const Case& c : cases) {
    const BorderStyleInfo info = BorderStyleOf(c.style, c.ex_style, c.class_name);
    EXPECT_EQ(info.style, c.expected) << std::hex << c.style << " " << c.class_name;
    EXPECT_EQ(info.message_box, c.message_box) << c.class_name;
  }
}

TEST(FrameGeometryTest, WidthsAreEachBorderImageAcrossDividedByItsFrames) {
  TSkinData data(nullptr);
  data.Left->Map.SetSize(8, 30);  // two states side by side: 4 wide
  data.Left->Frame = 2;
  data.Right->Map.SetSize(5, 30);  // no frame count counts as one
  data.Right->Frame = 0;
  data.Top->Map.SetSize(40, 52);
  data.Top->Frame = 2;
  data.Bottom->Map.SetSize(40, 6);
  data.Bottom->Frame = 1;
  const FrameWidths widths = FrameWidthsOf(data, SkinBorderStyle::kSizable, 19);
  EXPECT_EQ(widths.left, 4);
  EXPECT_EQ(widths.right, 5);
  EXPECT_EQ(widths.caption, 26);
  EXPECT_EQ(widths.bottom, 6);
  EXPECT_EQ(widths.menu, 19);

  const FrameWidths none = FrameWidthsOf(data, SkinBorderStyle::kNone, 19);
  EXPECT_EQ(none.left + none.caption + none.right + none.bottom + none.menu, 0);
}

TEST(FrameGeometryTest, NonClientSizeLeavesTheRectangleWhenNotAskedForValidRects) {
  const ImageRect system_client{3, 25, 97, 77};
  ImageRect client = system_client;
  ImageRect valid{1, 2, 3, 4};
  const FrameWidths frame{4, 26, 5, 6, 0};
  EXPECT_EQ(CalcNonClientSize(false, {0, 0, 100, 80}, frame, false, client, valid),
            NcCalcResult::kNone);
  EXPECT_EQ(client, system_client);
  EXPECT_EQ(valid, (ImageRect{1, 2, 3, 4}));
}

TEST(FrameGeometryTest, NonClientSizeIsTheProposedWindowLessTheSkinnedFrame) {
  struct Case {
    WindowPos proposed;
    FrameWidths frame;
    bool keep_system_client;
    ImageRect expected;
  };
  const ImageRect system_client{3, 25, 97, 77};
  const Case cases[] = {
      {{100, 50, 300, 200}, {4, 26, 5, 6, 0}, false, {104, 76, 395, 244}},
      {{100, 50, 300, 200}, {4, 26, 5, 6, 19}, false, {104, 95, 395, 244}},
      // Windows without border and MDI children that are not normal keep the system's.
      {{100, 50, 300, 200}, {4, 26, 5, 6, 0}, true, system_client},
      // Smaller than its frame: an empty client, not an inverted one.
      {{10, 10, 6, 20}, {4, 26, 5, 6, 0}, false, {14, 36, 14, 36}},
  };
  for (const Case& c : cases) {
    ImageRect client = system_client;
    ImageRect valid;
    EXPECT_EQ(CalcNonClientSize(true, c.proposed, c.frame, c.keep_system_client, client, valid),
              NcCalcResult::kValidRects);
    EXPECT_EQ(client, c.expected);
    EXPECT_EQ(valid, c.expected);
  }
}

TEST(FrameGeometryTest, ClientPointsShiftByLeftBorderAndCaptionWithMenuRow) {
  const FrameWidths frame{4, 26, 5, 6, 19};
  const FramePoint p = ClientToWindowPoint({10, -30}, frame, false);
  EXPECT_EQ(p.x, 14);
  EXPECT_EQ(p.y, 15);
  const FramePoint unchanged = ClientToWindowPoint({10, -30}, frame, true);
  EXPECT_EQ(unchanged.x, 10);
  EXPECT_EQ(unchanged.y, -30);
}

TEST(FrameGeometryTest, HitTestRefinesOnlyNowhereAndCaption) {
  struct Case {
    NcHit previous;
    int y;
    int menu;
    NcHit expected;
  };
  const Case cases[] = {
      {NcHit::kNowhere, 2, 0, NcHit::kNowhere},  // the top pixels stay with the system
      {NcHit::kCaption, 3, 0, NcHit::kCaption},   {NcHit::kNowhere, 4, 0, NcHit::kCaption},
      {NcHit::kNowhere, 26, 19, NcHit::kCaption},  // caption height itself is caption
      {NcHit::kNowhere, 27, 19, NcHit::kMenu},    {NcHit::kCaption, 30, 19, NcHit::kMenu},
      {NcHit::kNowhere, 30, 0, NcHit::kCaption},  {NcHit::kTopLeft, 10, 19, NcHit::kTopLeft},
      {NcHit::kBottom, 30, 19, NcHit::kBottom},   {NcHit::kClient, 30, 19, NcHit::kClient},
  };
  for (const Case& c : cases) {
    const FrameWidths frame{4, 26, 5, 6, c.menu};
    EXPECT_EQ(RefineHitTest(c.previous, {50, c.y}, frame), c.expected)
        << static_cast<int>(c.previous) << " y " << c.y << " menu " << c.menu;
  }
}

TEST(FrameGeometryTest, CaptionPlacementForEveryAlignmentAndDirection) {
  struct Case {
    const char* what;
    int alignment;
    bool right_to_left;
    bool popup;
    bool dialog;
    int right_buttons_x;
    ImageRect box;
    ImageRect text;
  };
  // Strip 300 x 26, text 60 x 14, TextShift 20, TextShiftVert 4, TextRightClip 30,
  // background ends 5 and 7: the box is 72 wide, top (26 - 14) / 2 + 2 = 8.
  const Case cases[] = {
      {"left", 0, false, false, false, 0, {20, 8, 92, 22}, {25, 8, 85, 22}},
      {"left dialog", 0, false, false, true, 0, {4, 8, 76, 22}, {9, 8, 69, 22}},
      {"centre", 1, false, false, false, 0, {114, 8, 186, 22}, {119, 8, 179, 22}},
      {"right", 2, false, false, false, 0, {198, 8, 270, 22}, {203, 8, 263, 22}},
      // Right to left: mirrored against the right buttons, then 10 further right.
      {"rtl 0", 0, true, false, false, 60, {178, 8, 250, 22}, {183, 8, 243, 22}},
      {"rtl 1", 1, true, false, false, 60, {94, 8, 166, 22}, {99, 8, 159, 22}},
      {"rtl 2", 2, true, false, false, 60, {30, 8, 102, 22}, {35, 8, 95, 22}},
      // Clipped at the strip less TextRightClip ...
      {"rtl 0 clipped", 0, true, false, false, 0, {238, 8, 270, 22}, {243, 8, 263, 22}},
      // ... or, for popups, before the right buttons when they are 6 or more in.
      {"popup clipped", 2, false, true, false, 80, {198, 8, 215, 22}, {203, 8, 208, 22}},
      {"popup few buttons", 2, false, true, false, 5, {198, 8, 270, 22}, {203, 8, 263, 22}},
  };
  TDataSkinTitle title("Title");
  title.TextShift() = 20;
  title.TextShiftVert() = 4;
  title.TextRightClip() = 30;
  title.TXTBackleft = 5;
  title.TXTBackRight = 7;
  for (const Case& c : cases) {
    title.TextAlignment = c.alignment;
    CaptionLayoutInput input;
    input.strip_width = 300;
    input.strip_height = 26;
    input.text_width = 60;
    input.text_height = 14;
    input.right_to_left = c.right_to_left;
    input.popup = c.popup;
    input.dialog_style = c.dialog;
    input.right_buttons_x = c.right_buttons_x;
    const CaptionLayout layout = LayoutCaption(title, input);
    EXPECT_EQ(layout.box, c.box) << c.what;
    EXPECT_EQ(layout.text, c.text) << c.what;
  }
}

TEST(FrameGeometryTest, CaptionClippedAwayEntirelyIsEmptyNotInverted) {
  TDataSkinTitle title("Title");
  title.TextAlignment = 0;
  title.TextShift() = 280;
  title.TextRightClip() = 30;
  CaptionLayoutInput input;
  input.strip_width = 300;
  input.strip_height = 20;
  input.text_width = 40;
  input.text_height = 10;
  const CaptionLayout layout = LayoutCaption(title, input);
  EXPECT_TRUE(layout.empty());
  EXPECT_GE(layout.text.right, layout.text.left);
}

}  // namespace
}  // namespace kova
