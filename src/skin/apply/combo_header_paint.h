// The skin parts of combo boxes and header controls composed into a control's buffer,
// free of any window system. Texts are drawn afterwards by the window side.
#pragma once

#include <vector>

#include "forms/graphics/bitmap.h"
#include "skin/data/image_utils.h"
#include "skin/data/skin_data.h"

namespace kova {

struct ComboBoxLook {
  int frame = 1;             // push-button convention: 1 normal, 2 dropped, 3 disabled, 4 hot
  ImageRect button;          // the drop-down button within the buffer
  bool button_left = false;  // right-to-left: the button at the left
};

// Over `buffer`, which holds what the combo box shows: the frame of the edit part from
// "SunkEdge" and the button part from "ComboButton" in `look.frame`, and the "ComboxArrow"
// glyph centred on the button. The item area keeps what it shows. False without a combo
// button image.
bool ComposeComboBox(TBitmap& buffer, const TSkinData& skin, const ComboBoxLook& look);

struct HeaderSection {
  ImageRect rect;
  int frame = 1;  // push-button convention: 1 normal, 2 pressed, 3 disabled, 4 hot
};

// The "Headerbar" object in each section's frame; the strip right of the last section is
// drawn as a section at rest. False without a "Headerbar" image.
bool ComposeHeader(TBitmap& buffer, const TSkinData& skin,
                   const std::vector<HeaderSection>& sections);

}  // namespace kova
