#include "skin/apply/push_button_state.h"

#include <cctype>

namespace kova {

PushButtonReaction ApplyPushButtonEvent(PushButtonState& state, PushButtonEvent event,
                                        bool enabled) {
  PushButtonReaction reaction;
  switch (event) {
    case PushButtonEvent::kLeftDown:
      state.pressed = true;
      reaction.repaint = true;
      reaction.track_leave = true;  // a press without a move before it still ends on leaving
      break;
    case PushButtonEvent::kLeftUp:
      if (state.pressed) {
        state.pressed = false;
        reaction.repaint = true;
        reaction.click = true;
      }
      break;
    case PushButtonEvent::kMouseMove:
      if (enabled && !state.hot) {
        state.hot = true;
        reaction.repaint = true;
      }
      reaction.track_leave = true;
      break;
    case PushButtonEvent::kMouseLeave:
      state.hot = false;
      state.pressed = false;
      reaction.repaint = true;
      break;
    case PushButtonEvent::kSpaceDown:
      state.pressed = true;
      reaction.repaint = true;
      break;
    case PushButtonEvent::kSpaceUp:
      state.pressed = false;
      reaction.repaint = true;
      break;
  }
  return reaction;
}

int PushButtonFrame(const PushButtonState& state, const PushButtonLook& look) {
  if (!look.enabled) {
    return kButtonFrameDisabled;
  }
  if (state.pressed) {
    return kButtonFramePressed;
  }
  if (state.hot) {
    return kButtonFrameHot;
  }
  if (look.focused || look.is_default) {
    return kButtonFrameFocused;
  }
  return kButtonFrameNormal;
}

namespace {

// A text colour the skin sets: the colour given as red, green, blue, or the older
// single number.
bool SetColour(bool has_rgb, TColor rgb, int32_t number, TColor& out) {
  if (has_rgb) {
    out = rgb;
    return true;
  }
  if (number != -1) {
    out = number;
    return true;
  }
  return false;
}

}  // namespace

TColor PushButtonTextColor(const TDataSkinButton& button, int frame, TColor button_text,
                           TColor disabled_text) {
  if (frame == kButtonFrameDisabled) {
    return disabled_text;
  }
  TColor color = button_text;
  SetColour(button.HasNormalColour2, button.NormalColour2, button.NormalColour, color);
  if (frame == kButtonFrameHot) {
    SetColour(button.HasMouseOverColour2, button.MouseOverColour2, button.MouseOverColour, color);
  } else if (frame == kButtonFramePressed) {
    SetColour(button.HasPressedColour2, button.PressedColour2, button.PressedColour, color);
  }
  return color;
}

bool PushButtonTransparent(int32_t tag, const TSkinOptions& options) {
  return tag == kTransparentButtonTag || options.Has(TSkinOption::xoTransparent);
}

bool PushButtonSingleMode(std::string_view class_name) {
  if (class_name.size() < 3) {
    return false;
  }
  char prefix[3];
  for (int i = 0; i < 3; ++i) {
    prefix[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(class_name[i])));
  }
  const std::string_view lower(prefix, 3);
  return lower == "trz" || lower == "tel";
}

}  // namespace kova
