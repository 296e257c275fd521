#include "skin/apply/check_box_look.h"

#include <algorithm>
#include <cctype>

namespace kova {

namespace {

std::string Lower(const std::string& text) {
  std::string out = text;
  for (char& c : out) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return out;
}

bool Contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

// Vertical start of something `height` high in [top, bottom) by the button's style.
int VerticalStart(int top, int bottom, int height, uint32_t style) {
  switch (style & check_style::kVCenter) {
    case check_style::kTop:
      return top;
    case check_style::kBottom:
      return bottom - height;
    default:
      return top + (bottom - top - height) / 2;
  }
}

}  // namespace

int CheckBoxFrame(CheckState check, const CheckProperties& properties, bool disabled, int frames) {
  int frame = check == CheckState::kChecked ? 2 : 1;
  if (properties.state) {
    const std::string state = Lower(*properties.state);
    if (Contains(state, "uncheck")) {
      frame = 1;
    } else if (Contains(state, "check")) {
      frame = 2;
    } else if (Contains(state, "gray")) {
      frame = 4;
    }
  } else if (properties.checked) {
    // Anything but "true" is unchecked: frame 3 would show an enabled control disabled.
    frame = Lower(*properties.checked) == "true" ? 2 : 1;
  }
  if (properties.data_aware) {
    frame = properties.data_state == 3 ? 4 : std::clamp(properties.data_state, 1, 4);
  }
  if (properties.data_binding) {
    frame = 1;
  }
  if (disabled) {
    frame += 2;
  }
  const bool indeterminate = check == CheckState::kIndeterminate;
  if (indeterminate) {
    frame = 4;
  }
  if (frames == 12) {
    if (indeterminate) {
      return disabled ? 12 : 9;
    }
    switch (frame) {
      case 2:
        return 5;
      case 3:
        return 4;
      case 1:
        return 1;
      default:
        return 8;  // checked and disabled, or grayed
    }
  }
  return std::clamp(frame, 1, std::max(frames, 1));
}

CheckBoxLayout PlaceCheckBox(const ImageRect& client, int box_width, int box_height, uint32_t style,
                             bool right_to_left, int text_height) {
  constexpr int kGap = 2;
  CheckBoxLayout layout;
  const bool box_right = (style & check_style::kLeftText) != 0;
  const int box_top = VerticalStart(client.top, client.bottom, box_height, style);
  if (box_right) {
    layout.box = {client.right - box_width, box_top, client.right, box_top + box_height};
    layout.text.left = client.left;
    layout.text.right = layout.box.left - kGap;
  } else {
    layout.box = {client.left, box_top, client.left + box_width, box_top + box_height};
    layout.text.left = layout.box.right + kGap;
    layout.text.right = client.right;
  }
  layout.text.right = std::max(layout.text.right, layout.text.left);
  const int height = std::min(text_height, client.bottom - client.top);
  layout.text.top = VerticalStart(client.top, client.bottom, height, style);
  layout.text.bottom = layout.text.top + height;
  layout.right_aligned = right_to_left;
  return layout;
}

}  // namespace kova
