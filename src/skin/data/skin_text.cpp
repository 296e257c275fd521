#include "skin/data/skin_text.h"

#include <algorithm>

namespace kova {

WideString _WStr(const char16_t* chars, int length) {
  if (chars == nullptr || length < -1) {
    return WideString();
  }
  const size_t whole = WideLength(chars);
  const size_t taken = length == -1 ? whole : std::min(whole, static_cast<size_t>(length));
  return WideString(chars, taken);
}

}  // namespace kova
