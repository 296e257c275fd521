#include "htmltext/label_behavior.h"

#include <gtest/gtest.h>

#include "html_test_support.h"

namespace kova {
namespace {

using testing::kLineHeight;
using testing::ParamsFor;

TEST(LabelTextTest, AssignedLinesLoseTheirLineBreaks) {
  struct Case {
    std::vector<WideString> lines;
    WideString text;
    int drawn_lines;
  } cases[] = {
      {{u"a", u"b"}, u"ab", 1},
      {{u"a<BR>b"}, u"a<BR>b", 2},
      {{u"a\r\n", u"\r\nb\r"}, u"ab", 1},
      {{u"first line\r\nsecond"}, u"first linesecond", 1},
      {{}, u"", 0},
  };
  for (const auto& c : cases) {
    const WideString text = LabelTextFromAssignedLines(c.lines);
    EXPECT_EQ(text, c.text);
    FixedMetricCanvas canvas;
    auto result = HTMLDraw(canvas, text, ParamsFor({0, 0, 300, 100}));
    EXPECT_EQ(result.size.cy, c.drawn_lines * kLineHeight) << WideToUtf8(c.text);
  }
}

TEST(LabelTextTest, SeveralStoredLinesAreJoinedWithOneSpace) {
  EXPECT_EQ(JoinLabelLines({u"a", u"b", u"c"}), u"a b c");
  EXPECT_EQ(JoinLabelLines({u"only"}), u"only");
  EXPECT_EQ(JoinLabelLines({}), u"");
}

TEST(LabelAnchorTest, OnlyWebAndMailTargetsGoToTheShell) {
  struct Case {
    const char16_t* target;
    bool open;
  } cases[] = {
      {u"#", false},
      {u"", false},
      {u"http://www.example.com/", true},
      {u"HTTPS://www.example.com/help", true},
      {u"mailto:support@example.com", true},
      {u"file://C:/Windows/System32/calc.exe", false},
      {u"kovaupdate://run", false},
      {u"ms-settings://", false},
      {u"see http://www.example.com", false},  // not at the start
      {u"http://", false},
      {u"C:\\Windows\\notepad.exe", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsShellOpenableTarget(c.target), c.open) << WideToUtf8(c.target);
  }
}

TEST(LabelAnchorTest, HintSitsRightOfAndAboveTheMouse) {
  EXPECT_EQ(AnchorHintPosition({100, 50}), (Point{110, 40}));
}

TEST(LabelAnchorTest, HoverTrackerEntersMovesBetweenAndLeavesAnchors) {
  const WideString markup = u"<a href=\"one\">one</a> and <a href=\"two\">two</a>";
  auto hit_at = [&](int x) {
    FixedMetricCanvas canvas;
    auto params = ParamsFor({0, 0, 300, 100});
    params.measure_only = true;
    params.test_point = Point{x, 5};
    return HTMLDraw(canvas, markup, params);
  };
  const auto on_one = hit_at(2);
  const auto on_two = hit_at(9 * testing::kCharWidth);
  const auto between = hit_at(5 * testing::kCharWidth);
  ASSERT_TRUE(on_one.on_anchor && on_two.on_anchor && !between.on_anchor);

  AnchorHoverTracker tracker;
  auto enter = tracker.MouseMove(on_one, true);
  EXPECT_TRUE(enter.entered);
  EXPECT_EQ(enter.target, u"one");
  EXPECT_EQ(enter.cursor, kCursorHandPoint);
  EXPECT_EQ(enter.repaint, std::vector<Rect>{on_one.anchor_rect});
  EXPECT_EQ(tracker.hovered_index(), 0);

  auto stay = tracker.MouseMove(on_one, true);  // same anchor: nothing to do
  EXPECT_FALSE(stay.entered);
  EXPECT_TRUE(stay.repaint.empty());

  auto move = tracker.MouseMove(on_two, true);
  EXPECT_TRUE(move.entered);
  EXPECT_EQ(move.target, u"two");
  EXPECT_FALSE(move.cursor.has_value());  // already the hand
  EXPECT_EQ(move.repaint, (std::vector<Rect>{on_one.anchor_rect, on_two.anchor_rect}));
  EXPECT_EQ(tracker.hovered_index(), 1);

  auto exit = tracker.MouseMove(between, true);
  EXPECT_TRUE(exit.exited);
  EXPECT_EQ(exit.cursor, kCursorDefault);
  EXPECT_EQ(exit.repaint, std::vector<Rect>{on_two.anchor_rect});
  EXPECT_EQ(tracker.hovered_index(), -1);
  EXPECT_FALSE(tracker.MouseMove(between, true).exited);  // only once

  // Without hover nothing is repainted; leaving the label repaints the hovered anchor.
  AnchorHoverTracker plain;
  EXPECT_TRUE(plain.MouseMove(on_two, false).repaint.empty());
  EXPECT_TRUE(plain.MouseLeave(false).repaint.empty());
  EXPECT_EQ(plain.hovered_index(), -1);
  AnchorHoverTracker hovering;
  hovering.MouseMove(on_two, true);
  EXPECT_EQ(hovering.MouseLeave(true).repaint, std::vector<Rect>{on_two.anchor_rect});
  EXPECT_EQ(hovering.hovered_index(), -1);
}

TEST(LabelAcceleratorTest, TheMarkedCharacterOfTheText) {
  struct Case {
    const char16_t* markup;
    std::optional<char16_t> accelerator;
  } cases[] = {
      {u"&Yes", u'Y'},
      {u"<b>S\u00ed, &quiero</b>", u'q'},
      {u"<font color=\"&x\">a</font>", std::nullopt},  // inside a tag
      {u"Tom &amp; &Jerry", u'J'},
      {u"a&&b", std::nullopt},
      {u"a&&&b", u'b'},
      {u"S\u00ed, quiero desinstalarlo", std::nullopt},
      {u"end &", std::nullopt},
      {u"& space", std::nullopt},
      {u"&\u00e9t\u00e9", u'\u00e9'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(WideString(c.markup)));
    EXPECT_EQ(LabelAccelerator(c.markup), c.accelerator);
  }
}

TEST(LabelAcceleratorTest, LettersMatchInEitherCase) {
  EXPECT_TRUE(MatchesAccelerator(u'y', u'Y'));
  EXPECT_TRUE(MatchesAccelerator(u'Y', u'y'));
  EXPECT_TRUE(MatchesAccelerator(u'\u00c9', u'\u00e9'));
  EXPECT_FALSE(MatchesAccelerator(u'y', u'z'));
  EXPECT_FALSE(MatchesAccelerator(u'\u00d7', u'\u00f7'));  // signs, not letters
}

}  // namespace
}  // namespace kova
