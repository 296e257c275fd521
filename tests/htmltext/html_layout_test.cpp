// Lines, wrapping, alignment, lists, rules and images of the engine.
#include <gtest/gtest.h>

#include "html_test_support.h"

namespace kova {
namespace {

using testing::FindText;
using testing::FindTextOp;
using testing::kCharWidth;
using testing::kLineHeight;
using testing::OpsOfKind;
using testing::ParamsFor;

TEST(HTMLLayoutTest, WordThatDoesNotFitStartsTheNextLineAtTheIndent) {
  struct Case {
    const char16_t* markup;
    int second_line_x;
  } cases[] = {
      {u"aaaa bbbb cccc", 0},
      {u"<IND x=\"8\">aaaa bbbb cccc", 8},
      {u"<P INDENT=12>aaaa bbbb cccc</P>", 12},
  };
  for (const auto& c : cases) {
    FixedMetricCanvas canvas;
    // Room for 11 characters: "aaaa bbbb " fits, "cccc" does not.
    auto result = HTMLDraw(canvas, c.markup, ParamsFor({0, 0, 11 * kCharWidth + 8, 100}));
    const CanvasOp* third = FindTextOp(canvas, u"cccc");
    ASSERT_NE(third, nullptr) << WideToUtf8(c.markup);
    EXPECT_EQ(third->rect.left, c.second_line_x) << WideToUtf8(c.markup);
    EXPECT_EQ(third->rect.top, kLineHeight) << WideToUtf8(c.markup);
    EXPECT_EQ(result.size.cy, 2 * kLineHeight);
  }
}

TEST(HTMLLayoutTest, AWordWiderThanTheLineStaysOnItsOwnLine) {
  FixedMetricCanvas canvas;
  auto result = HTMLDraw(canvas, u"a verylongword b", ParamsFor({0, 0, 5 * kCharWidth, 100}));
  EXPECT_EQ(FindText(canvas, u"verylongword ").rect.top, kLineHeight);
  EXPECT_EQ(FindText(canvas, u"verylongword ").rect.left, 0);
  EXPECT_EQ(FindText(canvas, u"b").rect.top, 2 * kLineHeight);
  EXPECT_EQ(result.size.cx, 12 * kCharWidth + 1 * kCharWidth);  // "verylongword "
}

TEST(HTMLLayoutTest, WithoutWrappingTextPastTheRightSideIsNotDrawn) {
  FixedMetricCanvas canvas;
  auto params = ParamsFor({0, 0, 6 * kCharWidth, 100});
  params.word_wrap = false;
  auto result = HTMLDraw(canvas, u"abc<b></b>def<b></b>ghi", params);
  EXPECT_EQ(canvas.DrawnText(), u"abcdef");
  EXPECT_EQ(result.size.cy, kLineHeight);
}

TEST(HTMLLayoutTest, EllipsisEndsACutLineWithThreeDots) {
  struct Case {
    const char16_t* markup;
    int width_in_chars;
    const char16_t* drawn;
  } cases[] = {
      {u"abcdefghi", 6, u"abc..."},
      {u"abcdef", 6, u"abcdef"},                   // fits: nothing is cut
      {u"abc<b></b>def<b></b>ghi", 6, u"abc..."},  // the cut falls between pieces
      {u"abcdefgh<BR>xy", 6, u"abc...xy"},         // every line on its own
      {u"abcdef", 2, u""},                         // not even the dots fit
  };
  for (const auto& c : cases) {
    FixedMetricCanvas canvas;
    auto params = ParamsFor({0, 0, c.width_in_chars * kCharWidth, 100});
    params.word_wrap = false;
    params.ellipsis = true;
    HTMLDraw(canvas, c.markup, params);
    EXPECT_EQ(canvas.DrawnText(), c.drawn) << WideToUtf8(c.markup);
  }
}

TEST(HTMLLayoutTest, MixedFontSizesShareABaseline) {
  FixedMetricCanvas canvas;
  auto result = HTMLDraw(canvas, u"a<FONT SIZE=5>B</FONT>c", ParamsFor({0, 0, 300, 100}));
  const CanvasOp* a = FindTextOp(canvas, u"a");
  const CanvasOp* big = FindTextOp(canvas, u"B");
  // 8 points: ascent 8, descent 2; 16 points: ascent 16, descent 4.
  EXPECT_EQ(big->rect.top, 0);
  EXPECT_EQ(a->rect.top, 16 - 8);
  EXPECT_EQ(FindText(canvas, u"c").rect.top, a->rect.top);
  EXPECT_EQ(result.size.cy, 16 + 4);
}

TEST(HTMLLayoutTest, BreaksEmptyLinesAndLineSpacing) {
  struct Case {
    const char16_t* markup;
    int spacing;
    int b_top;
    int height;
  } cases[] = {
      {u"a<BR>b", 0, kLineHeight, 2 * kLineHeight},
      {u"a<br/>b", 3, kLineHeight + 3, 2 * kLineHeight + 3},
      {u"a<BR><BR>b", 0, 2 * kLineHeight, 3 * kLineHeight},
      {u"<BR>b", 0, kLineHeight, 2 * kLineHeight},
      {u"a<P>b</P>", 0, kLineHeight, 2 * kLineHeight},  // a paragraph starts a line once
  };
  for (const auto& c : cases) {
    FixedMetricCanvas canvas;
    auto params = ParamsFor({0, 0, 300, 100});
    params.line_spacing = c.spacing;
    auto result = HTMLDraw(canvas, c.markup, params);
    EXPECT_EQ(FindText(canvas, u"b").rect.top, c.b_top) << WideToUtf8(c.markup);
    EXPECT_EQ(FindText(canvas, u"b").rect.left, 0) << WideToUtf8(c.markup);
    EXPECT_EQ(result.size.cy, c.height) << WideToUtf8(c.markup);
  }
}

TEST(HTMLLayoutTest, ParagraphAlignmentAndBackground) {
  struct Case {
    const char16_t* align;
    int x;
  } cases[] = {{u"left", 0}, {u"right", 100 - 8}, {u"center", (100 - 8) / 2}};
  for (const auto& c : cases) {
    FixedMetricCanvas canvas;
    WideString markup = u"<P align=\"" + WideString(c.align) + u"\" bgcolor=clred>ab</P>cd";
    auto result = HTMLDraw(canvas, markup, ParamsFor({0, 0, 100, 100}));
    EXPECT_EQ(FindText(canvas, u"ab").rect.left, c.x) << WideToUtf8(c.align);
    EXPECT_EQ(FindText(canvas, u"cd").rect.left, 0);  // alignment ends with the paragraph
    auto fills = OpsOfKind(canvas, CanvasOp::Kind::kFill);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].rect, (Rect{0, 0, 100, kLineHeight}));
    EXPECT_EQ(fills[0].color, Rgb(255, 0, 0));
    EXPECT_EQ(result.size.cx, 2 * kCharWidth);  // the used width ignores alignment
  }
}

TEST(HTMLLayoutTest, ParagraphGradientBackground) {
  FixedMetricCanvas canvas;
  HTMLDraw(canvas, u"<P bgcolor=\"#000000\" bgcolorto=\"#FF0000\">x</P>",
           ParamsFor({0, 0, 40, 100}));
  auto fills = OpsOfKind(canvas, CanvasOp::Kind::kFill);
  ASSERT_EQ(fills.size(), 10u);  // width / 4 bands
  EXPECT_EQ(fills.front().color, Rgb(0, 0, 0));
  EXPECT_EQ(fills.back().color, Rgb(230, 0, 0));
}

TEST(HTMLLayoutTest, ListItemsGetBulletsByLevelAndIndentTwelvePixelsPerLevel) {
  FixedMetricCanvas canvas;
  HTMLDraw(canvas, u"<UL><LI>one</LI><UL><LI>two</LI></UL><LI>three</LI></UL>after",
           ParamsFor({0, 0, 300, 200}));
  auto texts = canvas.TextOps();
  struct Expected {
    const char16_t* text;
    int x;
    int y;
  } expected[] = {
      {u"\u00B7", 12, 0},
      {u" ", 12 + kCharWidth, 0},
      {u"one", 12 + 2 * kCharWidth, 0},
      {u"o", 24, kLineHeight},
      {u" ", 24 + kCharWidth, kLineHeight},
      {u"two", 24 + 2 * kCharWidth, kLineHeight},
      {u"\u00B7", 12, 2 * kLineHeight},
      {u" ", 12 + kCharWidth, 2 * kLineHeight},
      {u"three", 12 + 2 * kCharWidth, 2 * kLineHeight},
      {u"after", 0, 3 * kLineHeight},
  };
  ASSERT_EQ(texts.size(), std::size(expected));
  for (size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(texts[i].text, expected[i].text) << i;
    EXPECT_EQ(texts[i].rect.left, expected[i].x) << i;
    EXPECT_EQ(texts[i].rect.top, expected[i].y) << i;
  }
  EXPECT_EQ(texts[0].font.name, u"Symbol");
  EXPECT_EQ(texts[2].font.name, u"Tahoma");
}

TEST(HTMLLayoutTest, HorizontalRuleCrossesTheRectangleInThePenColour) {
  FixedMetricCanvas canvas;
  canvas.SetPenColor(Rgb(0, 0, 255));
  HTMLDraw(canvas, u"above<HR>below", ParamsFor({5, 0, 105, 100}));
  auto lines = OpsOfKind(canvas, CanvasOp::Kind::kLine);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].from, (Point{5, kLineHeight + kLineHeight / 2}));
  EXPECT_EQ(lines[0].to, (Point{105, kLineHeight + kLineHeight / 2}));
  EXPECT_EQ(lines[0].color, Rgb(0, 0, 255));
  EXPECT_EQ(FindText(canvas, u"below").rect.top, 2 * kLineHeight);
}

TEST(HTMLLayoutTest, OffsetMovesThePen) {
  FixedMetricCanvas canvas;
  HTMLDraw(canvas, u"a<OFS x=\"30\">b</OFS>c", ParamsFor({10, 0, 300, 100}));
  EXPECT_EQ(FindText(canvas, u"b").rect.left, 40);
  EXPECT_EQ(FindText(canvas, u"c").rect.left, 40 + kCharWidth);
}

TEST(HTMLLayoutTest, BodyFillsTheRectangleBeforeTheText) {
  FixedMetricCanvas canvas;
  HTMLDraw(canvas, u"<BODY BGCOLOR=clwhite>x", ParamsFor({0, 0, 50, 30}));
  ASSERT_FALSE(canvas.ops().empty());
  EXPECT_EQ(canvas.ops()[0].kind, CanvasOp::Kind::kFill);
  EXPECT_EQ(canvas.ops()[0].rect, (Rect{0, 0, 50, 30}));
  EXPECT_EQ(canvas.ops()[0].color, Rgb(255, 255, 255));

  FixedMetricCanvas gradient;
  HTMLDraw(gradient, u"<BODY BGCOLOR=clblack BGCOLORTO=clwhite DIR=H>", ParamsFor({0, 0, 40, 8}));
  auto fills = OpsOfKind(gradient, CanvasOp::Kind::kFill);
  ASSERT_EQ(fills.size(), 10u);
  EXPECT_EQ(fills[1].rect.top, 0);  // horizontal: bands side by side
  EXPECT_EQ(fills[1].rect.left, 4);
}

class TwoImages : public HTMLImageList {
 public:
  int Count() const override { return 2; }
  Size ImageSize() const override { return {16, 12}; }
  bool GetImage(int index, PixelImage& out) const override {
    if (index < 0 || index >= 2)
      return false;
    out.width = 16;
    out.height = 12;
    out.pixels.assign(16 * 12, index == 0 ? 0xFF112233u : 0xFF445566u);
    return true;
  }
};

TEST(HTMLLayoutTest, ImagesFromTheListSitOnTheBaselineAndStretch) {
  TwoImages images;
  FixedMetricCanvas canvas;
  auto params = ParamsFor({0, 0, 300, 100});
  params.images = &images;
  auto result =
      HTMLDraw(canvas, u"a<IMG SRC=\"IDX:1\">b<IMG src=\"idx:0\" width=8 height=30>", params);
  auto drawn = OpsOfKind(canvas, CanvasOp::Kind::kImage);
  ASSERT_EQ(drawn.size(), 2u);
  // The 30-pixel image sets the baseline at 30.
  EXPECT_EQ(drawn[0].rect, (Rect{kCharWidth, 30 - 12, kCharWidth + 16, 30}));
  EXPECT_EQ(drawn[0].color, 0xFF445566u);
  EXPECT_EQ(drawn[1].rect, (Rect{2 * kCharWidth + 16, 0, 2 * kCharWidth + 24, 30}));
  EXPECT_EQ(FindText(canvas, u"b").rect.top, 30 - 8);
  EXPECT_EQ(result.size, (Size{2 * kCharWidth + 24, 30 + 2}));
}

TEST(HTMLLayoutTest, UnavailableImagesShowTheirAlternativeTextInTheirBox) {
  struct Case {
    const char16_t* tag;
    Rect box;
  } cases[] = {
      {u"<IMG SRC=\"http://example.invalid/a.png\" ALT=\"logo\" WIDTH=40 HEIGHT=20>",
       {0, 0, 40, 20}},
      {u"<IMG SRC=\"pictures:logo\" ALT=\"logo\">", {0, 0, 4 * kCharWidth, kLineHeight}},
      {u"<IMG SRC=\"IDX:7\" ALT=\"logo\">", {0, 0, 4 * kCharWidth, kLineHeight}},  // no list
  };
  for (const auto& c : cases) {
    FixedMetricCanvas canvas;
    HTMLDraw(canvas, c.tag, ParamsFor({0, 0, 300, 100}));
    const CanvasOp* alt = FindTextOp(canvas, u"logo");
    ASSERT_NE(alt, nullptr) << WideToUtf8(c.tag);
    EXPECT_EQ(alt->rect.left, c.box.left);
    EXPECT_EQ(alt->clip, c.box) << WideToUtf8(c.tag);
  }
}

TEST(HTMLLayoutTest, SystemImagesComeFromTheCanvasLists) {
  FixedMetricCanvas canvas;
  canvas.SetSystemImageSizes({16, 16}, {32, 32});
  HTMLDraw(canvas, u"<IMG SRC=\"SSYS:3\"><IMG SRC=\"LSYS:4\">", ParamsFor({0, 0, 300, 100}));
  auto drawn = OpsOfKind(canvas, CanvasOp::Kind::kSystemImage);
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(drawn[0].image_index, 3);
  EXPECT_EQ(drawn[0].rect, (Rect{0, 16, 16, 32}));
  EXPECT_EQ(drawn[1].image_index, 4);
  EXPECT_EQ(drawn[1].rect, (Rect{16, 0, 48, 32}));
}

TEST(HTMLLayoutTest, RightAlignedImageFloatsAndWrappedTextFlowsBesideIt) {
  TwoImages images;
  FixedMetricCanvas canvas;
  auto params = ParamsFor({0, 0, 40, 100});
  params.images = &images;
  // 40 pixels less the 16-pixel image leave 6 characters beside it.
  HTMLDraw(canvas, u"<IMG SRC=\"IDX:0\" ALIGN=\"rightwrap\">abc def ghi jkl", params);
  auto drawn = OpsOfKind(canvas, CanvasOp::Kind::kImage);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].rect, (Rect{24, 0, 40, 12}));
  EXPECT_EQ(FindText(canvas, u"def ").rect, (Rect{0, kLineHeight, 16, 2 * kLineHeight}));
  // Lines below the image have the full width again: "ghi jkl" shares the third line.
  EXPECT_EQ(FindText(canvas, u"ghi ").rect.top, 2 * kLineHeight);
  EXPECT_EQ(FindText(canvas, u"jkl").rect.top, 2 * kLineHeight);
}

}  // namespace
}  // namespace kova
