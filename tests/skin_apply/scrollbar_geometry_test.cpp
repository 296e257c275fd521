#include <gtest/gtest.h>

#include <climits>

#include "skin/apply/scrollbar_geometry.h"

namespace kova {
namespace {

using O = ScrollbarOwner;
using P = ScrollPart;

TEST(ScrollbarGeometryTest, MulDivRoundsToNearestWithoutOverflow) {
  EXPECT_EQ(MulDivRound(168, 9, 100), 15);
  EXPECT_EQ(MulDivRound(168, 1, 100), 2);
  EXPECT_EQ(MulDivRound(5, 1, 2), 3);
  EXPECT_EQ(MulDivRound(-5, 1, 2), -3);
  EXPECT_EQ(MulDivRound(INT_MAX, INT_MAX, INT_MAX), INT_MAX);
  EXPECT_EQ(MulDivRound(7, 3, 0), 0);
}

TEST(ScrollbarGeometryTest, ThumbSizesAndPositions) {
  struct Case {
    const char* name;
    int length, arrow;
    ScrollValues values;
    O owner;
    ThumbSpan thumb;
  } cases[] = {
      {"control, page 10", 200, 16, {0, 100, 10, 0}, O::kControl, {16, 31}},
      {"plain window, page 10", 200, 16, {0, 100, 10, 0}, O::kPlainWindow, {16, 31}},
      {"control, page 2", 200, 16, {0, 100, 2, 0}, O::kControl, {16, 18}},
      {"plain window, page 2 is at least 8", 200, 16, {0, 100, 2, 0}, O::kPlainWindow, {16, 24}},
      {"plain window at its maximum stops at the arrow",
       200,
       16,
       {0, 100, 2, 100},
       O::kPlainWindow,
       {176, 184}},
      // The start moves by track * position / range, so the last position (91 with a
      // page of 10) ends exactly at the second arrow.
      {"control half way", 200, 16, {0, 100, 10, 50}, O::kControl, {100, 115}},
      {"control at its last position", 200, 16, {0, 100, 10, 91}, O::kControl, {169, 184}},
      {"plain window at its last position", 200, 16, {0, 100, 10, 91}, O::kPlainWindow, {169, 184}},
      {"negative minimum", 200, 16, {-50, 50, 10, 0}, O::kControl, {100, 115}},
      {"no page: thumb of an arrow", 200, 16, {0, 100, 0, 50}, O::kPlainWindow, {92, 108}},
      {"no page at the maximum", 200, 16, {0, 100, 0, 100}, O::kPlainWindow, {168, 184}},
      {"empty range of a plain window is open", 200, 16, {0, 0, 10, 0}, O::kPlainWindow, {16, 24}},
      {"empty range fills the track", 200, 16, {0, 0, 10, 0}, O::kControl, {16, 184}},
      {"huge range does not overflow",
       1000,
       20,
       {INT_MIN, INT_MAX, 0x7FFFFFFF, 0},
       O::kControl,
       {500, 980}},
      {"bar shorter than its arrows", 20, 16, {0, 100, 10, 50}, O::kControl, {16, 16}},
  };
  for (const Case& c : cases) {
    const ThumbSpan t = ComputeThumb(c.length, c.arrow, c.values, c.owner);
    EXPECT_EQ(t.start, c.thumb.start) << c.name;
    EXPECT_EQ(t.end, c.thumb.end) << c.name;
  }
}

TEST(ScrollbarGeometryTest, PartCodesAlongTheAxis) {
  const ThumbSpan thumb{60, 80};
  const struct {
    int offset;
    P part;
  } cases[] = {{0, P::kFirstArrow},   {15, P::kFirstArrow},   {16, P::kPageBack},
               {59, P::kPageBack},    {60, P::kThumb},        {79, P::kThumb},
               {80, P::kPageForward}, {183, P::kPageForward}, {184, P::kSecondArrow},
               {500, P::kSecondArrow}};
  for (const auto& c : cases) {
    EXPECT_EQ(ScrollPartAt(c.offset, 200, 16, thumb), c.part) << c.offset;
  }
  // The codes are the platform's scroll codes.
  EXPECT_EQ(static_cast<int>(P::kPageBack), 2);
  EXPECT_EQ(static_cast<int>(P::kPageForward), 3);
  EXPECT_EQ(static_cast<int>(P::kThumb), 5);
}

TEST(ScrollbarGeometryTest, PaintedArrowLength) {
  const struct {
    int length, arrow_size, image;
    int painted;
  } cases[] = {
      {30, 17, 17, 15},                      // shorter than two arrows: half each
      {200, 17, 17, 17}, {200, 16, 17, 17},  // within 2 pixels: the image's size
      {200, 20, 17, 20},                     // more than 2 apart: the bar's
      {200, 15, 17, 17}, {200, 14, 17, 14}, {0, 17, 17, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PaintedArrowLength(c.length, c.arrow_size, c.image), c.painted)
        << c.length << " " << c.arrow_size;
  }
}

TEST(ScrollbarGeometryTest, DraggedThumbStaysInTheTrack) {
  const ThumbSpan at_press{50, 70};
  const struct {
    int mouse;
    int start;
  } cases[] = {{100, 50}, {130, 80}, {0, 16}, {400, 164}};
  for (const auto& c : cases) {
    const ThumbSpan t = DraggedThumb(at_press, 100, c.mouse, 200, 16);
    EXPECT_EQ(t.start, c.start) << c.mouse;
    EXPECT_EQ(t.end - t.start, 20);
  }
}

TEST(ScrollbarGeometryTest, ImageFrames) {
  EXPECT_EQ(ScrollArrowFrame(false, false, false, false), 1);
  EXPECT_EQ(ScrollArrowFrame(false, true, false, false), 5);
  EXPECT_EQ(ScrollArrowFrame(true, false, false, false), 9);
  EXPECT_EQ(ScrollArrowFrame(true, true, false, false), 13);
  EXPECT_EQ(ScrollArrowFrame(true, true, true, true), 14);
  EXPECT_EQ(ScrollArrowFrame(false, false, false, true), 4);
  EXPECT_EQ(ScrollTrackFrame(true), 1);
  EXPECT_EQ(ScrollTrackFrame(false), 3);
  EXPECT_EQ(ScrollThumbFrame(false, false), 1);
  EXPECT_EQ(ScrollThumbFrame(false, true), 3);
  EXPECT_EQ(ScrollThumbFrame(true, true), 2);
}

}  // namespace
}  // namespace kova
