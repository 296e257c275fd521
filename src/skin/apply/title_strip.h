// The title strip of a skinned window composed off screen: the top border, the text
// background behind the caption and the caption buttons. The caption text itself is
// drawn by the caller between the background and the buttons (with the system's font
// on a window, with a pixel font in a preview).
#pragma once

#include <vector>

#include "skin/apply/caption_buttons.h"
#include "skin/apply/frame_geometry.h"
#include "skin/data/skin_data.h"

namespace kova {

// The top border as a width x height strip with the title's text background tiled
// behind `caption.box` (state 1 active, 2 inactive, its left and right ends fixed).
TBitmap ComposeTitleBackground(const TSkinData& data, int width, int height,
                               const CaptionLayout& caption, bool active);

struct PlacedCaptionButton {
  const TDataSkinSysButton* button = nullptr;
  ButtonAvailability availability;
  std::optional<ImageRect> rect;  // only for visible buttons with an image
};

// Every caption button of the skin, in its order, with its availability and place.
std::vector<PlacedCaptionButton> LayoutCaptionButtons(const TSkinData& data,
                                                      const CaptionWindow& window,
                                                      const PlacementContext& context);

// The largest Xcoord of the visible right-aligned buttons, which the caption text
// layout needs before the buttons are placed against the text.
int RightButtonsX(const TSkinData& data, const CaptionWindow& window);

// Draws the placed buttons in the state image of a full title paint; menu-row buttons
// (Visibility 100) are drawn by the menu row, not here.
void DrawCaptionButtons(TBitmap& strip, const std::vector<PlacedCaptionButton>& buttons,
                        bool active);

}  // namespace kova
