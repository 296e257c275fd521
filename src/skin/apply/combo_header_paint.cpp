#include "skin/apply/combo_header_paint.h"

#include <algorithm>

#include "skin/apply/skin_control_draw.h"

namespace kova {

namespace {

// Only the margins of `object` composed over the whole buffer: the frame around an
// area whose own content stays.
void DrawFrameRing(TBitmap& buffer, const TDataSkinObject& object, int frame) {
  const int width = buffer.Width();
  const int height = buffer.Height();
  TBitmap composed(width, height);
  composed.Fill(kTransparentKey);
  DrawSkinMap(composed, {0, 0, width, height}, object, frame);
  const ImageRect inner{object.LeftWidth, object.TopHeight, width - object.RightWidth,
                        height - object.BottomHeight};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool inside = x >= inner.left && x < inner.right && y >= inner.top && y < inner.bottom;
      const TColor color = composed.Pixel(x, y) & 0xFFFFFF;
      if (!inside && color != kTransparentKey) {
        buffer.SetPixel(x, y, color);
      }
    }
  }
}

// The glyph's frame at its own size, centred on `target` (shrunk to it when larger).
void DrawCentredGlyph(TBitmap& buffer, const ImageRect& target, const TDataSkinObject& glyph,
                      int frame) {
  const int frames = std::max(glyph.Frame, 1);
  const int target_w = target.right - target.left;
  const int target_h = target.bottom - target.top;
  const int w = std::min(glyph.Map.Width() / frames, target_w);
  const int h = std::min(glyph.Map.Height(), target_h);
  if (w <= 0 || h <= 0) {
    return;
  }
  const int x = target.left + (target_w - w) / 2;
  const int y = target.top + (target_h - h) / 2;
  DrawSkinMap1(buffer, {x, y, x + w, y + h}, glyph.Map, frames, std::clamp(frame, 1, frames));
}

}  // namespace

bool ComposeComboBox(TBitmap& buffer, const TSkinData& skin, const ComboBoxLook& look) {
  const TDataSkinBorder* button = skin.ComboButton.get();
  if (button == nullptr || button->Map.Empty() || buffer.Empty()) {
    return false;
  }
  const ImageRect whole{0, 0, buffer.Width(), buffer.Height()};
  const TDataSkinObject* edge = skin.SunkEdge.get();
  if (button->Style == 2) {
    // The model composed the frame and the button into one image with a see-through item
    // area; its mirror, for buttons at the left, is the edge's image. The mirror turned
    // the whole strip, so its states run the other way.
    const bool mirrored = look.button_left && edge != nullptr;
    const TDataSkinObject& composite = mirrored ? *edge : *button;
    const int frames = std::max(edge != nullptr ? edge->Frame : button->Frame, 1);
    const int frame = std::clamp(look.frame, 1, frames);
    DrawSkinMap(buffer, whole, composite.Map, MarginsOf(composite), frames,
                mirrored ? frames + 1 - frame : frame, /*transparent=*/true, /*tile=*/false);
  } else {
    if (edge != nullptr && !edge->Map.Empty()) {
      DrawFrameRing(buffer, *edge, look.frame);
    }
    DrawSkinMap(buffer, look.button, *button, look.frame);
  }
  if (skin.ComboxArrow && !skin.ComboxArrow->Map.Empty()) {
    DrawCentredGlyph(buffer, look.button, *skin.ComboxArrow, look.frame);
  }
  return true;
}

bool ComposeHeader(TBitmap& buffer, const TSkinData& skin,
                   const std::vector<HeaderSection>& sections) {
  const TDataSkinObject* bar = skin.Headerbar.get();
  if (bar == nullptr || bar->Map.Empty() || buffer.Empty()) {
    return false;
  }
  int end = 0;
  for (const HeaderSection& section : sections) {
    DrawSkinMap(buffer, section.rect, *bar, section.frame);
    end = std::max(end, section.rect.right);
  }
  DrawSkinMap(buffer, {end, 0, buffer.Width(), buffer.Height()}, *bar, 1);
  return true;
}

}  // namespace kova
