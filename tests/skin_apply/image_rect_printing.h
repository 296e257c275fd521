// Comparison and readable failure output for rectangles in tests.
#pragma once

#include <ostream>

#include "skin/data/image_utils.h"

namespace kova {

inline bool operator==(const ImageRect& a, const ImageRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline void PrintTo(const ImageRect& r, std::ostream* os) {
  *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

}  // namespace kova
