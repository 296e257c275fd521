#include "htmltext/html_draw.h"

#include "htmltext/html_layout.h"

namespace kova {

HTMLDrawResult HTMLDraw(HTMLCanvas& canvas, WideStringView markup, const HTMLDrawParams& params) {
  html_internal::MarkupLayout layout(canvas, params);
  return layout.Run(markup);
}

}  // namespace kova
