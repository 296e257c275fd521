// Check boxes and radio buttons, free of any window system: which frame of the box
// image a control's state shows, and where the box and the text go.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "skin/data/image_utils.h"

namespace kova {

// The control's check state as the window reports it.
enum class CheckState : uint8_t { kUnchecked = 0, kChecked = 1, kIndeterminate = 2 };

// Published properties of a framework control that override the window's check state,
// read by name; absent ones stay empty.
struct CheckProperties {
  std::optional<std::string> state;    // "State": "cbUnchecked", "cbChecked", "cbGrayed"
  std::optional<std::string> checked;  // "Checked": "True" or "False"
  bool data_aware = false;             // has "DataField"
  int data_state = 1;                  // the data-aware control's own frame, 1 to 4
  bool data_binding = false;           // has "DataBinding"
};

// Frame of a box image of `frames` states: 1 unchecked, 2 checked, 3 and 4 the same
// disabled, 4 also grayed; a 12-frame image holds unchecked, checked and mixed rows of
// normal, hot, pressed and disabled states.
int CheckBoxFrame(CheckState check, const CheckProperties& properties, bool disabled, int frames);

// Button style bits the placement reads.
namespace check_style {
inline constexpr uint32_t kLeftText = 0x20;
inline constexpr uint32_t kTop = 0x400;
inline constexpr uint32_t kBottom = 0x800;
inline constexpr uint32_t kVCenter = 0xC00;
}  // namespace check_style

struct CheckBoxLayout {
  ImageRect box;
  ImageRect text;              // where the measured text goes
  bool right_aligned = false;  // right-to-left reading, text aligned to the right
};

// The box at the left (right with BS_LEFTTEXT), at the top, bottom or centre; the text
// 2 pixels from the box in the rest, its measured height placed the same way.
CheckBoxLayout PlaceCheckBox(const ImageRect& client, int box_width, int box_height, uint32_t style,
                             bool right_to_left, int text_height);

}  // namespace kova
