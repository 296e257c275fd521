// Integer geometry of the text engine: device pixels, right and bottom exclusive.
#pragma once

#include <algorithm>
#include <climits>

namespace kova {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  Rect Inflated(int d) const { return {left - d, top - d, right + d, bottom + d}; }
  Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  Rect Union(const Rect& o) const {
    if (IsEmpty())
      return o;
    if (o.IsEmpty())
      return *this;
    return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
            std::max(bottom, o.bottom)};
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Coordinates come from untrusted mark-up (offsets, image sizes, font sizes), so sums
// saturate instead of overflowing.
inline int SaturatingAdd(int a, int b) {
  long long sum = static_cast<long long>(a) + b;
  return static_cast<int>(std::clamp<long long>(sum, INT_MIN / 2, INT_MAX / 2));
}

}  // namespace kova
