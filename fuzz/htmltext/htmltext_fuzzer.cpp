// Random mark-up through the engine and the plain-text helpers. The first bytes choose
// the layout options, the rest is the mark-up as UTF-8. The canvas must come back in the
// state it was handed over, whatever the mark-up.
#include <cstdint>
#include <cstdlib>

#include "htmltext/fixed_metric_canvas.h"
#include "htmltext/html_draw.h"
#include "htmltext/markup_text.h"

namespace {

class OneImage : public kova::HTMLImageList {
 public:
  int Count() const override { return 1; }
  kova::Size ImageSize() const override { return {4, 4}; }
  bool GetImage(int index, kova::PixelImage& out) const override {
    if (index != 0)
      return false;
    out.width = out.height = 4;
    out.pixels.assign(16, 0xFF000000u);
    return true;
  }
};

void Check(bool condition) {
  if (!condition)
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3)
    return 0;
  const uint8_t options = data[0];
  const int width = 1 + data[1] * 2;
  const int point = data[2];
  const kova::WideString markup =
      kova::Utf8ToWide(std::string_view(reinterpret_cast<const char*>(data + 3), size - 3));

  OneImage images;
  kova::FixedMetricCanvas canvas;
  canvas.set_recording((options & 0x10) != 0);
  canvas.SetSystemImageSizes({16, 16}, {32, 32});
  const kova::Font start = canvas.font();

  kova::HTMLDrawParams params;
  params.rect = {3, 5, 3 + width, 5 + 200};
  params.images = &images;
  params.word_wrap = (options & 1) != 0;
  params.measure_only = (options & 2) != 0;
  params.blink_visible = (options & 4) != 0;
  params.hovered_anchor = options >> 6;
  params.focused_anchor = (options >> 5) & 1;
  params.line_spacing = options & 3;
  params.test_point = kova::Point{3 + point % (width + 1), 5 + point / 4};
  const kova::HTMLDrawResult result = kova::HTMLDraw(canvas, markup, params);

  Check(canvas.font() == start);
  Check(canvas.clip_depth() == 0);
  Check(result.size.cx >= 0 && result.size.cy >= 0);
  Check(!result.on_anchor ||
        (result.anchor_index >= 0 && result.anchor_index < result.anchor_count));
  if (params.measure_only)
    Check(canvas.ops().empty());

  const kova::WideString plain = kova::HTMLStrip(markup);
  Check(plain.size() <= markup.size() * 2);
  Check(plain.find(u'<') == kova::WideString::npos);  // every '<' opens a tag
  const kova::WideString joined = kova::ConvertLineBreaks(markup, (options & 8) != 0);
  Check(joined.find(u'\n') == kova::WideString::npos);
  return 0;
}
