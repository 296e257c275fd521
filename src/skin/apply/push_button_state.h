// The push button's look, free of any window system: the hot and pressed flags and how
// mouse and keyboard messages change them, when a release clicks, the frame of the
// button image a state shows, its text colour, and when a button draws its parent's
// image behind it or keeps presses away from the control.
#pragma once

#include <cstdint>
#include <string_view>

#include "skin/data/skin_objects.h"
#include "skin/data/skin_types.h"

namespace kova {

struct PushButtonState {
  bool hot = false;
  bool pressed = false;
};

enum class PushButtonEvent : uint8_t {
  kLeftDown,    // left button pressed or double-clicked on the button
  kLeftUp,      // left button released
  kMouseMove,   // mouse moved over the button
  kMouseLeave,  // mouse left the button
  kSpaceDown,
  kSpaceUp,
};

struct PushButtonReaction {
  bool repaint = false;
  bool click = false;        // the button's command runs
  bool track_leave = false;  // ask for a mouse-leave notification
};

// Applies one message to the state. A release clicks only while pressed; leaving the
// button clears pressed, so releasing outside it does not click.
PushButtonReaction ApplyPushButtonEvent(PushButtonState& state, PushButtonEvent event,
                                        bool enabled);

struct PushButtonLook {
  bool enabled = true;
  bool focused = false;
  bool is_default = false;
};

// Frames of the button image: 1 normal, 2 pressed, 3 disabled, 4 hot, 5 focused or
// default. Disabled wins over everything, pressed over hot, both over focus.
inline constexpr int kButtonFrameNormal = 1;
inline constexpr int kButtonFramePressed = 2;
inline constexpr int kButtonFrameDisabled = 3;
inline constexpr int kButtonFrameHot = 4;
inline constexpr int kButtonFrameFocused = 5;
int PushButtonFrame(const PushButtonState& state, const PushButtonLook& look);

// The caption colour for a frame: the skin's button text colour, replaced by the button
// object's normal, hot (frame 4) or pressed (frame 2) colour where the skin sets one, and
// `disabled_text` in the disabled frame.
TColor PushButtonTextColor(const TDataSkinButton& button, int frame, TColor button_text,
                           TColor disabled_text);

// Buttons tagged 5555, or every button when the skin's options ask for it, show their
// parent's image behind the button image.
inline constexpr int32_t kTransparentButtonTag = 5555;
bool PushButtonTransparent(int32_t tag, const TSkinOptions& options);

// Buttons of some foreign libraries handle presses themselves: they are painted only.
bool PushButtonSingleMode(std::string_view class_name);

}  // namespace kova
