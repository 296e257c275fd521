// Wrapping arbitrary mark-up must terminate, keep every input character in order and
// only add "<BR />" breaks.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "resources/html_wrap.h"

namespace {

class ByteWidthMeasure final : public kova::TextMeasure {
 public:
  int Width(std::u16string_view text, bool bold) override {
    int width = 0;
    for (char16_t c : text) {
      width += 1 + (c % 9) + (bold ? 2 : 0);
    }
    return width;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) {
    return 0;
  }
  const int max_width = data[0];
  // One character per byte keeps "<", ">", "z", "b" and spaces frequent.
  kova::WideString markup(data + 1, data + size);
  ByteWidthMeasure measure;
  const kova::HtmlWrap wrapped = kova::WrapHtmlText(measure, max_width, 4, markup);
  kova::WideString stripped;
  size_t breaks = 0;
  for (size_t i = 0; i < wrapped.text.size();) {
    if (std::u16string_view(wrapped.text).substr(i, 6) == u"<BR />" &&
        std::u16string_view(markup).substr(stripped.size(), 6) != u"<BR />") {
      i += 6;
      ++breaks;
      continue;
    }
    stripped += wrapped.text[i++];
  }
  if (stripped != markup || breaks > 2 * markup.size() + 1 ||
      (markup.empty() != (wrapped.line_count == 0))) {
    std::abort();
  }
  return 0;
}
