#include "skin/apply/skin_up_down_paint.h"

#include <algorithm>

#include "skin/apply/push_button_state.h"
#include "skin/apply/skin_control_draw.h"
#include "skin/data/frame_compose.h"

namespace kova {

namespace {

constexpr int kStatesPerButton = 4;

bool Inside(const ImageRect& rect, int x, int y) {
  return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

// A glyph frame keeps its size and sits in the middle of its button (shrunk to fit).
void DrawGlyph(TBitmap& buffer, const ImageRect& button, const TBitmap& glyphs, int frames,
               int frame) {
  if (glyphs.Empty()) {
    return;
  }
  const ImageRect source = FrameRect(glyphs, frames, frame, false);
  const int gw = std::min(source.right - source.left, button.right - button.left);
  const int gh = std::min(source.bottom - source.top, button.bottom - button.top);
  if (gw <= 0 || gh <= 0) {
    return;
  }
  const int x = button.left + (button.right - button.left - gw) / 2;
  const int y = button.top + (button.bottom - button.top - gh) / 2;
  StretchCopy(buffer, {x, y, x + gw, y + gh}, glyphs, source, /*transparent=*/true);
}

}  // namespace

UpDownHalves UpDownLayout(int width, int height, bool horizontal) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (horizontal) {
    const int split = width / 2;
    return {{0, 0, split, height}, {split, 0, width, height}};
  }
  const int split = height / 2;
  return {{0, 0, width, split}, {0, split, width, height}};
}

UpDownPart UpDownPartAt(int width, int height, bool horizontal, int x, int y) {
  const UpDownHalves halves = UpDownLayout(width, height, horizontal);
  if (Inside(halves.first, x, y)) {
    return UpDownPart::kFirst;
  }
  if (Inside(halves.second, x, y)) {
    return UpDownPart::kSecond;
  }
  return UpDownPart::kNone;
}

int UpDownButtonFrame(UpDownPart button, UpDownPart pressed, UpDownPart hot, bool enabled) {
  int state = kButtonFrameNormal;
  if (!enabled) {
    state = kButtonFrameDisabled;
  } else if (pressed == button) {
    state = kButtonFramePressed;
  } else if (hot == button && pressed == UpDownPart::kNone) {
    state = kButtonFrameHot;
  }
  return button == UpDownPart::kSecond ? state + kStatesPerButton : state;
}

bool ComposeUpDown(TBitmap& buffer, const TSkinData& skin, bool horizontal, UpDownPart pressed,
                   UpDownPart hot, bool enabled, TColor background) {
  const TDataSkinBorder* object = horizontal ? skin.UpDownHorz.get() : skin.UpDownVert.get();
  if (object == nullptr || object->Map.Empty() || buffer.Empty()) {
    return false;
  }
  buffer.Fill(background);
  const UpDownHalves halves = UpDownLayout(buffer.Width(), buffer.Height(), horizontal);
  for (const UpDownPart button : {UpDownPart::kFirst, UpDownPart::kSecond}) {
    const ImageRect& rect = button == UpDownPart::kFirst ? halves.first : halves.second;
    const int frame = UpDownButtonFrame(button, pressed, hot, enabled);
    DrawSkinMap(buffer, rect, *object, frame);
    DrawGlyph(buffer, rect, object->Map2, object->Frame, frame);
  }
  return true;
}

}  // namespace kova
