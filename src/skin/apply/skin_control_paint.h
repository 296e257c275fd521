// The skin parts of the push button, check box and scroll bar composed into a control's
// off-screen buffer (the buffer has the control's size). Captions are drawn afterwards
// by the window side, which has the fonts.
#pragma once

#include "forms/graphics/bitmap.h"
#include "skin/apply/check_box_look.h"
#include "skin/apply/scrollbar_geometry.h"
#include "skin/data/skin_data.h"

namespace kova {

// The background (the parent's image behind the button when given, else `background`)
// and the button image in `frame` over the whole buffer. False without a button image.
bool ComposePushButton(TBitmap& buffer, const TDataSkinButton& button, int frame,
                       const TBitmap* parent_image, TColor background);

// The background and the box image (the check or radio image) in `frame` at the box
// rectangle. False without a box image.
bool ComposeCheckBox(TBitmap& buffer, const TDataSkinButton& button, bool radio, int frame,
                     const ImageRect& box, TColor background);

struct ScrollbarLook {
  bool vertical = false;
  int arrow_size = 0;  // the bar's own arrow length
  ThumbSpan thumb;
  ScrollPart hot = ScrollPart::kNone;
  bool pressing = false;
  bool enabled = true;
};

// The track, both arrows and (when enabled) the thumb with its grip over the whole
// buffer. False without a "Scrollbar" image.
bool ComposeScrollbar(TBitmap& buffer, const TSkinData& skin, const ScrollbarLook& look);

}  // namespace kova
