// The replacement scroll bar's geometry along its axis, free of any window system: the
// thumb from the scroll information, the part under a point (the platform's line, page
// and thumb codes), the painted arrow length, the dragged thumb and the frames of the
// scroll-bar images.
#pragma once

#include <cstdint>

namespace kova {

struct ScrollValues {
  int32_t min = 0;
  int32_t max = 0;
  uint32_t page = 0;
  int32_t pos = 0;
};

enum class ScrollbarOwner : uint8_t {
  kControl,      // a stand-alone scroll bar control
  kPlainWindow,  // a window's own bar: an empty range is open, the thumb is 8 at least
};

struct ThumbSpan {
  int start = 0;
  int end = 0;
};

// Rounded a * b / c with a 64-bit intermediate; 0 when c is 0.
int MulDivRound(int64_t a, int64_t b, int64_t c);

// The thumb of a bar `length` long with arrows of `arrow`, kept between the arrows. The
// thumb's start moves over the whole track, so at the last position (maximum - page + 1)
// it ends at the second arrow, as the platform's does; a window's thumb raised to its
// minimum moves over the track less that minimum.
inline constexpr int kPlainWindowMinThumb = 8;
inline constexpr int32_t kPlainWindowOpenRange = 9999999;
ThumbSpan ComputeThumb(int length, int arrow, const ScrollValues& values, ScrollbarOwner owner);

// Part codes: they equal the platform's SB_LINEUP, SB_LINEDOWN, SB_PAGEUP, SB_PAGEDOWN
// and SB_THUMBTRACK.
enum class ScrollPart : int8_t {
  kNone = -1,
  kFirstArrow = 0,
  kSecondArrow = 1,
  kPageBack = 2,
  kPageForward = 3,
  kThumb = 5,
};
ScrollPart ScrollPartAt(int offset, int length, int arrow, const ThumbSpan& thumb);

// The painted arrow length: the image's own size unless it differs from the bar's
// arrow size by more than 2 pixels; half the bar each when the bar is shorter than two.
int PaintedArrowLength(int length, int arrow_size, int image_arrow);

// The thumb following a drag that began at `press_point` with the thumb at
// `press_start`, kept inside the track.
ThumbSpan DraggedThumb(const ThumbSpan& at_press, int press_point, int mouse, int length,
                       int arrow);

// Frames of the 23-state "Scrollbar" image and of the track and thumb images.
int ScrollArrowFrame(bool vertical, bool second, bool pressed, bool hot);
int ScrollTrackFrame(bool enabled);
int ScrollThumbFrame(bool pressed, bool hot);
// The grip glyph centred on the thumb comes from the image's upper frames.
int ScrollGripFrame(bool vertical);

}  // namespace kova
