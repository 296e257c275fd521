#include "skin/apply/scrollbar_geometry.h"

#include <algorithm>

namespace kova {

int MulDivRound(int64_t a, int64_t b, int64_t c) {
  if (c == 0) {
    return 0;
  }
  const int64_t product = a * b;
  const bool negative = (product < 0) != (c < 0);
  const int64_t magnitude = product < 0 ? -product : product;
  const int64_t divisor = c < 0 ? -c : c;
  const int64_t rounded = (magnitude + divisor / 2) / divisor;
  return static_cast<int>(negative ? -rounded : rounded);
}

ThumbSpan ComputeThumb(int length, int arrow, const ScrollValues& values, ScrollbarOwner owner) {
  int64_t range = int64_t{values.max} - values.min;
  if (range == 0 && owner == ScrollbarOwner::kPlainWindow) {
    range = kPlainWindowOpenRange;
  }
  const int track = std::max(length - 2 * arrow, 0);
  const int64_t from_min = std::max<int64_t>(int64_t{values.pos} - values.min, 0);
  int start = arrow;
  int size = 0;
  if (values.page > 0) {
    int travel = track;
    size = range > 0 ? MulDivRound(track, int64_t{values.page} - 1, range) : track;
    if (owner == ScrollbarOwner::kPlainWindow && size < kPlainWindowMinThumb) {
      size = kPlainWindowMinThumb;
      travel = track - kPlainWindowMinThumb;
    }
    size = std::min(size, track);
    if (range > 0 && from_min > 0) {
      start = arrow + MulDivRound(std::max(travel, 0), from_min, range);
    }
  } else {
    size = std::min(arrow, track);
    if (range > 0 && from_min > 0) {
      start = arrow + MulDivRound(std::max(length - 3 * arrow, 0), from_min, range);
    }
  }
  start = std::clamp(start, arrow, std::max(arrow, length - arrow - size));
  return {start, start + size};
}

ScrollPart ScrollPartAt(int offset, int length, int arrow, const ThumbSpan& thumb) {
  if (offset < arrow) {
    return ScrollPart::kFirstArrow;
  }
  if (offset < thumb.start) {
    return ScrollPart::kPageBack;
  }
  if (offset < thumb.end) {
    return ScrollPart::kThumb;
  }
  if (offset < length - arrow) {
    return ScrollPart::kPageForward;
  }
  return ScrollPart::kSecondArrow;
}

int PaintedArrowLength(int length, int arrow_size, int image_arrow) {
  int arrow = image_arrow;
  if (arrow - arrow_size > 2 || arrow_size - arrow > 2) {
    arrow = arrow_size;
  }
  if (length < 2 * arrow) {
    arrow = length / 2;
  }
  return std::max(arrow, 0);
}

ThumbSpan DraggedThumb(const ThumbSpan& at_press, int press_point, int mouse, int length,
                       int arrow) {
  const int size = at_press.end - at_press.start;
  const int last = std::max(arrow, length - arrow - size);
  const int start = std::clamp(at_press.start + (mouse - press_point), arrow, last);
  return {start, start + size};
}

int ScrollArrowFrame(bool vertical, bool second, bool pressed, bool hot) {
  const int base = (vertical ? 9 : 1) + (second ? 4 : 0);
  if (pressed) {
    return base + 1;
  }
  if (hot) {
    return base + 3;
  }
  return base;
}

int ScrollTrackFrame(bool enabled) {
  return enabled ? 1 : 3;
}

int ScrollThumbFrame(bool pressed, bool hot) {
  if (pressed) {
    return 2;
  }
  return hot ? 3 : 1;
}

int ScrollGripFrame(bool vertical) {
  return vertical ? 18 : 17;
}

}  // namespace kova
