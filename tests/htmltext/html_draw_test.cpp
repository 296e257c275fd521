// Tags, colours, entities and anchors of the engine on the fixed-metric canvas.
#include <gtest/gtest.h>

#include "html_test_support.h"

namespace kova {
namespace {

using testing::FindText;
using testing::FindTextOp;
using testing::kCharWidth;
using testing::kLineHeight;
using testing::ParamsFor;

TEST(HTMLDrawTest, PlainTextIsDrawnAtTheTopLeftAndMeasured) {
  FixedMetricCanvas canvas;
  auto result = HTMLDraw(canvas, u"Hello", ParamsFor({10, 20, 300, 100}));
  const CanvasOp* op = FindTextOp(canvas, u"Hello");
  ASSERT_NE(op, nullptr);
  EXPECT_EQ(op->rect, (Rect{10, 20, 10 + 5 * kCharWidth, 20 + kLineHeight}));
  EXPECT_EQ(op->clip, (Rect{10, 20, 300, 100}));
  EXPECT_EQ(result.size, (Size{5 * kCharWidth, kLineHeight}));
  EXPECT_FALSE(result.on_anchor);
}

TEST(HTMLDrawTest, StyleTagsSwitchStylesOnAndOff) {
  struct Case {
    const char16_t* markup;
    FontStyle style;
  } cases[] = {
      {u"<B>on</B>off", FontStyle::kBold},
      {u"<i>on</i>off", FontStyle::kItalic},
      {u"<U>on</U>off", FontStyle::kUnderline},
      {u"<S>on</S>off", FontStyle::kStrikeOut},
  };
  for (const auto& c : cases) {
    FixedMetricCanvas canvas;
    HTMLDraw(canvas, c.markup, ParamsFor({0, 0, 300, 100}));
    const CanvasOp* on = FindTextOp(canvas, u"on");
    const CanvasOp* off = FindTextOp(canvas, u"off");
    ASSERT_TRUE(on && off) << WideToUtf8(c.markup);
    EXPECT_TRUE(on->font.style.Has(c.style)) << WideToUtf8(c.markup);
    EXPECT_FALSE(off->font.style.Has(c.style)) << WideToUtf8(c.markup);
  }
  // Bold text is wider, and the next run starts after it.
  FixedMetricCanvas canvas;
  HTMLDraw(canvas, u"<b>ab</b>c", ParamsFor({0, 0, 300, 100}));
  EXPECT_EQ(FindText(canvas, u"c").rect.left, 2 * (kCharWidth + 1));
}

TEST(HTMLDrawTest, FontColoursComeFromHexOrNames) {
  struct Case {
    const char16_t* color;
    Color drawn;
  } cases[] = {
      {u"#FF0000", Rgb(255, 0, 0)},
      {u"#3BC5FF", Rgb(59, 197, 255)},
      {u"#ff0000", 799},  // lower-case digits are not hexadecimal
      {u"clred", Rgb(255, 0, 0)},
      {u"clnavy", Rgb(0, 0, 128)},
      {u"clbtnface", DefaultSystemColor(15)},
      {u"clhighlighttext", DefaultSystemColor(14)},
      {u"nosuchcolour", 0},
  };
  for (const auto& c : cases) {
    FixedMetricCanvas canvas;
    WideString markup = u"<FONT COLOR=\"" + WideString(c.color) + u"\">x</FONT>";
    HTMLDraw(canvas, markup, ParamsFor({0, 0, 100, 100}));
    EXPECT_EQ(FindText(canvas, u"x").font.color, c.drawn) << WideToUtf8(c.color);
  }
}

TEST(HTMLDrawTest, FontSizeFaceAndBackgroundAreRestoredByTheClosingTag) {
  struct Case {
    const char16_t* size;
    int points;
  } cases[] = {
      {u"1", 8}, {u"2", 10},  {u"3", 12}, {u"4", 14},  {u"5", 16},
      {u"9", 9}, {u"24", 24}, {u"0", 8},  {u"abc", 8},  // 0 keeps the size
  };
  for (const auto& c : cases) {
    FixedMetricCanvas canvas;
    WideString markup =
        u"<FONT SIZE=" + WideString(c.size) + u" FACE=\"Verdana\" BGCOLOR=\"#00FF00\">x</FONT>y";
    HTMLDraw(canvas, markup, ParamsFor({0, 0, 300, 100}));
    const CanvasOp* x = FindTextOp(canvas, u"x");
    const CanvasOp* y = FindTextOp(canvas, u"y");
    ASSERT_TRUE(x && y);
    EXPECT_EQ(x->font.size, c.points) << WideToUtf8(c.size);
    EXPECT_EQ(x->font.name, u"Verdana");
    EXPECT_EQ(x->background, Rgb(0, 255, 0));
    EXPECT_EQ(y->font, Font{});
    EXPECT_EQ(y->background, kColorNone);
  }
}

TEST(HTMLDrawTest, EntitiesAreReplacedBeforeMeasuring) {
  FixedMetricCanvas canvas;
  auto result = HTMLDraw(canvas, u"R&amp;D &lt;b&gt;", ParamsFor({0, 0, 300, 100}));
  EXPECT_EQ(canvas.DrawnText(), u"R&D <b>");
  EXPECT_EQ(result.size.cx, 7 * kCharWidth);
}

TEST(HTMLDrawTest, HiddenTextTakesNoSpaceAndIsNotDrawn) {
  FixedMetricCanvas canvas;
  auto result = HTMLDraw(canvas, u"ab<Z>secret words</Z>cd", ParamsFor({0, 0, 300, 100}));
  EXPECT_EQ(canvas.DrawnText(), u"abcd");
  EXPECT_EQ(result.size.cx, 4 * kCharWidth);
  EXPECT_EQ(FindText(canvas, u"cd").rect.left, 2 * kCharWidth);
}

TEST(HTMLDrawTest, SecondAnchorHoveredHasIndexOneAndOnlyItsColoursChange) {
  const WideString markup = u"<a href=\"one\">one</a> and <a href=\"two\">two</a>";
  const Color url = Rgb(59, 197, 255);
  const Color hover_text = Rgb(255, 255, 255);
  const Color hover_back = Rgb(0, 0, 128);

  FixedMetricCanvas canvas;
  auto params = ParamsFor({0, 0, 300, 100});
  params.url_color = url;
  params.hovered_anchor = 1;
  params.hover_color = hover_back;
  params.hover_font_color = hover_text;
  // "one and " is 8 characters; the point lies inside "two".
  params.test_point = Point{9 * kCharWidth, 5};
  auto result = HTMLDraw(canvas, markup, params);

  const CanvasOp* one = FindTextOp(canvas, u"one");
  const CanvasOp* and_run = FindTextOp(canvas, u"and ");
  const CanvasOp* two = FindTextOp(canvas, u"two");
  ASSERT_TRUE(one && and_run && two);
  EXPECT_EQ(one->font.color, url);
  EXPECT_EQ(one->background, kColorNone);
  EXPECT_TRUE(one->font.style.Has(FontStyle::kUnderline));
  EXPECT_EQ(and_run->font.color, 0u);
  EXPECT_FALSE(and_run->font.style.Has(FontStyle::kUnderline));
  EXPECT_EQ(two->font.color, hover_text);
  EXPECT_EQ(two->background, hover_back);

  EXPECT_TRUE(result.on_anchor);
  EXPECT_EQ(result.anchor_index, 1);
  EXPECT_EQ(result.anchor_target, u"two");
  EXPECT_EQ(result.anchor_rect, two->rect);
  EXPECT_EQ(result.anchor_count, 2);
}

TEST(HTMLDrawTest, HoverColoursOfNoneKeepTheAnchorColours) {
  FixedMetricCanvas canvas;
  auto params = ParamsFor({0, 0, 300, 100});
  params.hovered_anchor = 0;
  HTMLDraw(canvas, u"<A href=\"#\">x</A>", params);
  EXPECT_EQ(FindText(canvas, u"x").font.color, params.url_color);
  EXPECT_EQ(FindText(canvas, u"x").background, kColorNone);
}

TEST(HTMLDrawTest, HitTestMissesOutsideAnchorsAndSpansWrappedAnchors) {
  const WideString markup = u"go <A href=\"#\">here and there</A> now";
  FixedMetricCanvas canvas;
  auto params = ParamsFor({0, 0, 40, 100});  // 10 characters per line
  params.test_point = Point{1, 1};           // on "go "
  auto miss = HTMLDraw(canvas, markup, params);
  EXPECT_FALSE(miss.on_anchor);
  EXPECT_EQ(miss.anchor_index, -1);
  EXPECT_TRUE(miss.anchor_target.empty());

  // The anchor wraps: "go here " / "and there " / "now". A point on its second line hits
  // it, and its rectangle covers both lines.
  params.test_point = Point{2, kLineHeight + 2};
  auto hit = HTMLDraw(canvas, markup, params);
  ASSERT_TRUE(hit.on_anchor);
  EXPECT_EQ(hit.anchor_target, u"#");
  EXPECT_EQ(hit.anchor_rect, (Rect{0, 0, 9 * kCharWidth, 2 * kLineHeight}));
}

TEST(HTMLDrawTest, FocusedAnchorGetsARectangleOnePixelLarger) {
  FixedMetricCanvas canvas;
  auto params = ParamsFor({0, 0, 300, 100});
  params.focused_anchor = 1;
  HTMLDraw(canvas, u"<A href=\"a\">a</A> <A href=\"b\">bb</A>", params);
  auto focus = testing::OpsOfKind(canvas, CanvasOp::Kind::kFocusRect);
  ASSERT_EQ(focus.size(), 1u);
  EXPECT_EQ(focus[0].rect, FindText(canvas, u"bb").rect.Inflated(1));
}

TEST(HTMLDrawTest, HighlightUsesSystemHighlightColoursAndRestoresThem) {
  FixedMetricCanvas canvas;
  HTMLDraw(canvas, u"<FONT COLOR=clred><HI>hi</HI>lo</FONT>", ParamsFor({0, 0, 300, 100}));
  EXPECT_EQ(FindText(canvas, u"hi").background, DefaultSystemColor(13));
  EXPECT_EQ(FindText(canvas, u"hi").font.color, DefaultSystemColor(14));
  EXPECT_EQ(FindText(canvas, u"lo").background, kColorNone);
  EXPECT_EQ(FindText(canvas, u"lo").font.color, Rgb(255, 0, 0));
}

TEST(HTMLDrawTest, SubscriptAndSuperscriptShiftByAQuarterOfTheTextHeight) {
  FixedMetricCanvas canvas;
  HTMLDraw(canvas, u"x<SUB>2</SUB>y<SUP>3</SUP>z", ParamsFor({0, 0, 300, 100}));
  const int quarter = kLineHeight / 4;
  const int base_top = FindText(canvas, u"x").rect.top;
  EXPECT_EQ(FindText(canvas, u"2").rect.top, base_top + quarter);
  EXPECT_EQ(FindText(canvas, u"3").rect.top, base_top - quarter);
  EXPECT_EQ(FindText(canvas, u"z").rect.top, base_top);
}

TEST(HTMLDrawTest, ShadowIsDrawnFirstInTheShadowColourAtTheOffset) {
  FixedMetricCanvas canvas;
  auto params = ParamsFor({0, 0, 300, 100});
  params.shadow_color = Rgb(10, 20, 30);
  params.shadow_offset = 2;
  HTMLDraw(canvas, u"<SHAD>s</SHAD>t", params);
  auto texts = canvas.TextOps();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text, u"s");
  EXPECT_EQ(texts[0].font.color, Rgb(10, 20, 30));
  EXPECT_EQ(texts[0].rect, texts[1].rect.Offset(2, 2));
  EXPECT_EQ(texts[1].font.color, 0u);
  EXPECT_EQ(texts[2].text, u"t");
}

TEST(HTMLDrawTest, RotatedTextGetsEscapementInTenthsOfADegree) {
  FixedMetricCanvas canvas;
  HTMLDraw(canvas, u"<R a=90>up</R>flat", ParamsFor({0, 0, 300, 100}));
  EXPECT_EQ(FindText(canvas, u"up").font.escapement, 900);
  EXPECT_EQ(FindText(canvas, u"flat").font.escapement, 0);
}

TEST(HTMLDrawTest, BlinkTextKeepsItsPlaceButIsHiddenInTheOffPhase) {
  for (bool visible : {true, false}) {
    FixedMetricCanvas canvas;
    auto params = ParamsFor({0, 0, 300, 100});
    params.blink_visible = visible;
    HTMLDraw(canvas, u"<BLINK>on</BLINK>x", params);
    EXPECT_EQ(FindTextOp(canvas, u"on") != nullptr, visible);
    EXPECT_EQ(FindText(canvas, u"x").rect.left, 2 * kCharWidth);
  }
}

TEST(HTMLDrawTest, ErrorTextIsUnderlinedInRed) {
  FixedMetricCanvas canvas;
  HTMLDraw(canvas, u"<E>wrong</E> right", ParamsFor({0, 0, 300, 100}));
  auto lines = testing::OpsOfKind(canvas, CanvasOp::Kind::kLine);
  ASSERT_FALSE(lines.empty());
  const Rect wrong = FindText(canvas, u"wrong").rect;
  for (const CanvasOp& line : lines) {
    EXPECT_EQ(line.color, Rgb(255, 0, 0));
    EXPECT_GE(line.from.x, wrong.left);
    EXPECT_LE(line.from.x, wrong.right);
    EXPECT_GE(line.from.y, wrong.bottom - 3);
  }
}

TEST(HTMLDrawTest, MeasureOnlyDrawsNothingButComputesTheSameResult) {
  const WideString markup =
      u"<P align=\"center\" bgcolor=clred>Some <b>text</b> with a <a href=\"x\">link</a></P>"
      u"<BODY bgcolor=clblue><HR><UL><LI>item</LI></UL>";
  auto params = ParamsFor({0, 0, 60, 200});
  params.test_point = Point{30, 12};
  FixedMetricCanvas drawn;
  auto painted = HTMLDraw(drawn, markup, params);
  params.measure_only = true;
  FixedMetricCanvas measured;
  auto sized = HTMLDraw(measured, markup, params);
  EXPECT_TRUE(measured.ops().empty());
  EXPECT_FALSE(drawn.ops().empty());
  EXPECT_EQ(sized.size, painted.size);
  EXPECT_EQ(sized.on_anchor, painted.on_anchor);
  EXPECT_EQ(sized.anchor_rect, painted.anchor_rect);
}

TEST(HTMLDrawTest, CanvasStateAndClipAreRestoredEvenWithUnclosedTags) {
  Font start;
  start.name = u"Verdana";
  start.size = 10;
  start.color = Rgb(1, 2, 3);
  FixedMetricCanvas canvas(start);
  canvas.SetTextBackground(Rgb(4, 5, 6));
  canvas.SetPenColor(Rgb(7, 8, 9));
  HTMLDraw(canvas,
           u"<b><i><FONT FACE=Arial SIZE=5 COLOR=clred BGCOLOR=clblue><R a=45><HI><A href=x>"
           u"never closed",
           ParamsFor({0, 0, 300, 100}));
  EXPECT_EQ(canvas.font(), start);
  EXPECT_EQ(canvas.text_background(), Rgb(4, 5, 6));
  EXPECT_EQ(canvas.pen_color(), Rgb(7, 8, 9));
  EXPECT_EQ(canvas.clip_depth(), 0u);
}

TEST(HTMLDrawTest, MalformedMarkupIsIgnoredWithoutFailing) {
  struct Case {
    const char16_t* markup;
    const char16_t* drawn;
  } cases[] = {
      {u"<", u""},
      {u"a<", u"a"},
      {u"a<b", u"a"},
      {u"</A></F></P></H></R></U></SUB>x", u"x"},
      {u"<Q>x<?>y<!-- c -->z", u"xyz"},
      {u"<FONT SIZE=abc COLOR=>x", u"x"},
      {u"<A href=\"x>y", u"y"},
      {u"<<>>", u">"},
      {u"<IMG>x", u"x"},
  };
  for (const auto& c : cases) {
    FixedMetricCanvas canvas;
    HTMLDraw(canvas, c.markup, ParamsFor({0, 0, 300, 100}));
    EXPECT_EQ(canvas.DrawnText(), c.drawn) << WideToUtf8(c.markup);
  }
}

}  // namespace
}  // namespace kova
