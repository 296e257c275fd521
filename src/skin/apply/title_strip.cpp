#include "skin/apply/title_strip.h"

#include <algorithm>

#include "skin/data/frame_compose.h"

namespace kova {

TBitmap ComposeTitleBackground(const TSkinData& data, int width, int height,
                               const CaptionLayout& caption, bool active) {
  TBitmap strip;
  if (data.Top != nullptr && !data.Top->Map.Empty()) {
    strip = ComposeBorderStrip(*data.Top, BorderSide::kTop, width, height, active);
  }
  if (strip.Empty() && !strip.SetSize(width, height)) {
    return strip;
  }
  const TDataSkinTitle* title = data.Title.get();
  const int left = std::max(caption.box.left, 0);
  const int right = std::min(caption.box.right, width);
  if (title != nullptr && !title->Map.Empty() && right > left) {
    const TBitmap back =
        GetHMap(right - left, height, title->Map, {title->TXTBackleft, 0, title->TXTBackRight, 0},
                false, true, title->Frame, active ? 1 : 2);
    StretchCopy(strip, {left, 0, right, height}, back, {0, 0, back.Width(), back.Height()});
  }
  return strip;
}

std::vector<PlacedCaptionButton> LayoutCaptionButtons(const TSkinData& data,
                                                      const CaptionWindow& window,
                                                      const PlacementContext& context) {
  std::vector<PlacedCaptionButton> placed;
  placed.reserve(data.SysButtons.size());
  for (const auto& button : data.SysButtons) {
    PlacedCaptionButton entry;
    entry.button = button.get();
    entry.availability = AvailabilityOf(*button, window);
    if (entry.availability.visible) {
      entry.rect = PlaceButton(*button, context);
    }
    placed.push_back(entry);
  }
  return placed;
}

int RightButtonsX(const TSkinData& data, const CaptionWindow& window) {
  int result = 0;
  for (const auto& button : data.SysButtons) {
    if (button->Align == static_cast<int32_t>(ButtonAlign::kRight) &&
        AvailabilityOf(*button, window).visible) {
      result = std::max(result, button->Xcoord);
    }
  }
  return result;
}

void DrawCaptionButtons(TBitmap& strip, const std::vector<PlacedCaptionButton>& buttons,
                        bool active) {
  for (const PlacedCaptionButton& placed : buttons) {
    const TDataSkinSysButton& button = *placed.button;
    if (!placed.rect || button.Visibility == kMenuRowVisibility) {
      continue;
    }
    const int frames = std::max(button.Frame, 1);
    const int frame = PaintFrame(frames, active, placed.availability.enabled);
    StretchCopy(strip, *placed.rect, button.Map, FrameRect(button.Map, frames, frame, false), true);
  }
}

}  // namespace kova
