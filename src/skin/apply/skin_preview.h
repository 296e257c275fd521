// A window frame composed from a skin model without any window system: the four
// borders and the title strip (with its text background, caption text and caption
// buttons) around a client area of the skin's form colour. Skin authors look at their
// work with it; it draws the frame the way the form skinning does.
#pragma once

#include <string>

#include "forms/graphics/bitmap.h"
#include "skin/data/skin_data.h"

namespace kova {

struct SkinPreviewOptions {
  int width = 400;
  int height = 260;
  bool active = true;
  std::string caption = "KOVA";
};

// Widths of the frame parts: each border image's size across the border, per state.
struct SkinFrameMetrics {
  int left = 0;
  int caption = 0;
  int right = 0;
  int bottom = 0;
};
SkinFrameMetrics FrameMetrics(const TSkinData& data);

// The composed window; empty when the size is not positive or too small for the frame.
TBitmap ComposeSkinPreview(const TSkinData& data, const SkinPreviewOptions& options);

}  // namespace kova
