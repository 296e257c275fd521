// Caption buttons of a skinned title strip without any window system: which buttons a
// window shows and enables, where they sit, which state image they draw, their hints,
// which one is under a point, what a click does, and the hot/pressed state of the
// buttons as the mouse moves.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "skin/apply/frame_geometry.h"
#include "skin/data/skin_objects.h"

namespace kova {

// What the visibility rules read of the window.
struct CaptionWindow {
  SkinWindowState state = SkinWindowState::kNormal;
  bool active = true;
  SkinBorderIcons icons;
  SkinBorderStyle border_style = SkinBorderStyle::kSizable;
  bool message_box = false;
  // An MDI frame with a menu bar whose active child is maximized.
  bool mdi_child_maximized_in_menu_row = false;
  // Asks the window (wParam code, lParam action); an answer of 1 or more shows the button.
  std::function<int(int32_t code, int32_t action)> ask;
};

// The visibility code of buttons shown in the MDI frame's menu row.
inline constexpr int32_t kMenuRowVisibility = 100;

// Which of the two visibility keys a code comes from; a few codes read differently.
enum class VisibilityKey : uint8_t { kFirst, kSecond };

// `action` is the button's, passed along when the window is asked.
bool VisibilityCodeHolds(int32_t code, VisibilityKey key, const CaptionWindow& window,
                         int32_t action);

// The actions with a fixed meaning; any other value posts the custom-action message.
enum class CaptionAction : int32_t {
  kClose = 0,
  kMaximize = 1,
  kMinimize = 2,
  kIcon = 3,
  kContextHelp = 4,
  kMdiChildMinimize = 7,
  kMdiChildRestore = 8,
  kMdiChildClose = 9,
  kIconAlt = 11,
  kIconMenu = 12,
  kMaximizeAlt = 22,
  kMinimizeAlt = 23,
  kMdiChildMinimizeAlt = 60,
  kMdiChildRestoreAlt = 61,
  kMdiChildCloseAlt = 62,
};

// The effect a click on a button runs.
enum class ClickEffect : uint8_t {
  kClose,           // SC_CLOSE, when the system menu allows it
  kToggleMaximize,  // when enabled
  kToggleMinimize,  // when enabled
  kSystemMenu,      // at the click point plus one pixel
  kContextHelp,     // SC_CONTEXTHELP
  kMdiChildMinimize,
  kMdiChildRestore,
  kMdiChildClose,
  kPostCustom,  // message 0x3514 with wParam = the action
};
ClickEffect EffectOf(int32_t action);

bool IsIconAction(int32_t action);  // the window icon is drawn; double click closes

struct ButtonAvailability {
  bool visible = false;
  bool enabled = true;
};

// Both visibility codes (combined with AND), then the action's own rule: close needs the
// system menu, maximize and minimize stay visible but are enabled only with their box
// and the system menu, icon buttons are hidden on dialog-style windows.
ButtonAvailability AvailabilityOf(const TDataSkinSysButton& button, const CaptionWindow& window);

enum class ButtonAlign : int32_t {
  kLeft = 0,
  kRight = 1,
  kBeforeText = 2,
  kAfterText = 3,
  kBeforeTextAlt = 8,
  kAfterTextAlt = 9,
  kMenuRow = 100,
};

// Button size: one state image of its strip.
int ButtonWidth(const TDataSkinSysButton& button);

struct PlacementContext {
  int window_width = 0;
  ImageRect caption_text;  // where the caption text was laid out
  FrameWidths frame;
  int mdi_strip_width = 0;  // the skin's MDI button strip, 0 without one
};

// Where a visible button sits, in window coordinates; nothing for an empty image or an
// unknown alignment.
std::optional<ImageRect> PlaceButton(const TDataSkinSysButton& button,
                                     const PlacementContext& context);

// The largest Xcoord of the visible right-aligned buttons (0 without any).
int RightButtonsX(std::span<const TDataSkinSysButton* const> buttons,
                  std::span<const ButtonAvailability> availability);

enum class ButtonState : int32_t { kNormal = 1, kPressed = 2, kHot = 3 };

// The state image of a full title paint: 1 active, 4 inactive or disabled; 1 for strips
// of fewer than four images.
int PaintFrame(int frames, bool active, bool enabled);
// The state image when one button is redrawn: its state, 4 when disabled, and 4 instead
// of hot for menu-row buttons; 1 for strips of fewer than four images.
int RedrawFrame(int frames, ButtonState state, bool enabled, bool menu_row);

std::string_view HintOf(int32_t action);

// A button as hit testing and the state machine see it.
struct CaptionButton {
  ImageRect rect;
  bool visible = false;
  int32_t action = 0;
  ButtonState state = ButtonState::kNormal;
};

// The first visible button with a non-negative action containing the point (window
// coordinates, right and bottom edges outside); nothing when none does.
std::optional<std::size_t> FindButton(std::span<const CaptionButton> buttons, FramePoint point);

// The hot object and the state changes of the mouse moving over, pressing and leaving
// buttons. Every call answers the buttons whose image must be redrawn, in order.
class CaptionButtonTracker {
 public:
  explicit CaptionButtonTracker(std::vector<CaptionButton> buttons)
      : buttons_(std::move(buttons)) {}

  std::vector<std::size_t> MouseEnter(std::size_t index);
  std::vector<std::size_t> MouseDown(std::size_t index);
  std::vector<std::size_t> MouseUp(std::size_t index);
  // The hot button, if any, returns to normal and nothing is hot.
  std::vector<std::size_t> MouseLeave();
  // A non-client paint redraws everything and forgets the hot button.
  void ClearHot() { hot_.reset(); }

  std::optional<std::size_t> Hot() const { return hot_; }
  std::span<const CaptionButton> Buttons() const { return buttons_; }

 private:
  void LeaveHot(std::vector<std::size_t>& redraw);

  std::vector<CaptionButton> buttons_;
  std::optional<std::size_t> hot_;
};

}  // namespace kova
