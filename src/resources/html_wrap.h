// Wrapping of mark-up text to a width: "<BR />" breaks are inserted where a line would
// overflow, measuring only the visible text and bold runs in bold. The measuring is
// supplied by the caller, so the rules run without a window system.
#pragma once

#include <string_view>

#include "base/text.h"

namespace kova {

class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  // Width in pixels of plain text in the regular style, or with bold added.
  virtual int Width(std::u16string_view text, bool bold) = 0;
};

// The text a reader sees: every "<z>" ... "</z>" section removed with its content, and
// every other tag from "<" to the next ">" (an unclosed one to the end).
WideString VisibleHtmlText(std::u16string_view markup);

struct HtmlWrap {
  WideString text;     // the input with "<BR />" breaks added
  int line_count = 0;  // 0 for an empty text
};

// Wraps markup to max_width pixels, keeping `margin` pixels free on each line. Every
// character of the input stays, in order. A word wider than a line is broken between
// characters, at least one character per line, so the result is always finite.
HtmlWrap WrapHtmlText(TextMeasure& measure, int max_width, int margin, std::u16string_view markup);

}  // namespace kova
