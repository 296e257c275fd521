// The mark-up engine: one call lays out, paints (or only measures) and hit-tests a
// text written in the dialogs' small HTML dialect.
#pragma once

#include <optional>

#include "base/text.h"
#include "htmltext/canvas.h"

namespace kova {

struct HTMLDrawParams {
  Rect rect;                              // layout and clip rectangle
  const HTMLImageList* images = nullptr;  // "IDX:n" images
  std::optional<Point> test_point;        // point to hit-test against the anchors
  Color url_color = Rgb(0, 0, 255);       // anchor text
  Color hover_color = kColorNone;         // background of the hovered anchor
  Color hover_font_color = kColorNone;    // text of the hovered anchor
  int hovered_anchor = -1;
  Color shadow_color = Rgb(128, 128, 128);
  int shadow_offset = 1;
  int line_spacing = 0;  // extra pixels between lines
  bool measure_only = false;
  bool word_wrap = true;
  bool ellipsis = false;      // without word wrap: a line too long ends in "..." where it is cut
  bool blink_visible = true;  // blink phase: off hides blinking text
  int focused_anchor = -1;    // gets a focus rectangle when >= 0
};

struct HTMLDrawResult {
  Size size;  // width and height the text uses
  bool on_anchor = false;
  int anchor_index = -1;
  WideString anchor_target;
  Rect anchor_rect;      // bounding box of every piece of the anchor
  int anchor_count = 0;  // anchors in the text
};

// Lays |markup| out in |params.rect| on |canvas|. The canvas' font is the starting
// font; font, text background and pen are as before when the call returns. Never fails:
// unknown tags are ignored and unclosed tags end with the text.
HTMLDrawResult HTMLDraw(HTMLCanvas& canvas, WideStringView markup, const HTMLDrawParams& params);

}  // namespace kova
