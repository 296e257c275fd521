#include "skin/apply/caption_buttons.h"

#include <algorithm>

namespace kova {

namespace {

bool HasMinOrMax(const SkinBorderIcons& icons) {
  return icons.Has(SkinBorderIcon::kMinimize) || icons.Has(SkinBorderIcon::kMaximize);
}

}  // namespace

bool VisibilityCodeHolds(int32_t code, VisibilityKey key, const CaptionWindow& window,
                         int32_t action) {
  const bool first = key == VisibilityKey::kFirst;
  const SkinBorderIcons& icons = window.icons;
  switch (code) {
    case 0:
      return true;
    case 1:
      return window.state == SkinWindowState::kMaximized;
    case 2:
      return window.state != SkinWindowState::kMaximized;
    case 3:
      return window.active;
    case 4:
      return !window.active;
    case 6:
    case 8:
      return HasMinOrMax(icons) && (!first || icons.Has(SkinBorderIcon::kSystemMenu));
    case 7:
      return !icons.Has(SkinBorderIcon::kMaximize);
    case 9:
      return !icons.Has(SkinBorderIcon::kMinimize);
    case 10:
      return icons.Has(SkinBorderIcon::kHelp) && (!first || !HasMinOrMax(icons));
    case 100:
      return window.mdi_child_maximized_in_menu_row;
    case 200:
      return window.border_style == SkinBorderStyle::kDialog && !window.message_box;
    default:
      break;
  }
  if (code >= 201 && code <= 999) {
    return true;
  }
  if (code >= 1000 && code <= 2000) {
    return !first || (window.ask && window.ask(code, action) >= 1);
  }
  return false;
}

ClickEffect EffectOf(int32_t action) {
  switch (static_cast<CaptionAction>(action)) {
    case CaptionAction::kClose:
      return ClickEffect::kClose;
    case CaptionAction::kMaximize:
    case CaptionAction::kMaximizeAlt:
      return ClickEffect::kToggleMaximize;
    case CaptionAction::kMinimize:
    case CaptionAction::kMinimizeAlt:
      return ClickEffect::kToggleMinimize;
    case CaptionAction::kIcon:
    case CaptionAction::kIconAlt:
    case CaptionAction::kIconMenu:
      return ClickEffect::kSystemMenu;
    case CaptionAction::kContextHelp:
      return ClickEffect::kContextHelp;
    case CaptionAction::kMdiChildMinimize:
    case CaptionAction::kMdiChildMinimizeAlt:
      return ClickEffect::kMdiChildMinimize;
    case CaptionAction::kMdiChildRestore:
    case CaptionAction::kMdiChildRestoreAlt:
      return ClickEffect::kMdiChildRestore;
    case CaptionAction::kMdiChildClose:
    case CaptionAction::kMdiChildCloseAlt:
      return ClickEffect::kMdiChildClose;
  }
  return ClickEffect::kPostCustom;
}

bool IsIconAction(int32_t action) {
  return action == static_cast<int32_t>(CaptionAction::kIcon) ||
         action == static_cast<int32_t>(CaptionAction::kIconAlt);
}

ButtonAvailability AvailabilityOf(const TDataSkinSysButton& button, const CaptionWindow& window) {
  ButtonAvailability result;
  result.visible =
      VisibilityCodeHolds(button.Visibility, VisibilityKey::kFirst, window, button.Action) &&
      VisibilityCodeHolds(button.Visibility1, VisibilityKey::kSecond, window, button.Action);
  const bool system_menu = window.icons.Has(SkinBorderIcon::kSystemMenu);
  switch (button.Action) {
    case static_cast<int32_t>(CaptionAction::kClose):
      result.visible = result.visible && system_menu;
      break;
    case static_cast<int32_t>(CaptionAction::kMaximize):
      result.enabled = system_menu && window.icons.Has(SkinBorderIcon::kMaximize);
      break;
    case static_cast<int32_t>(CaptionAction::kMinimize):
      result.enabled = system_menu && window.icons.Has(SkinBorderIcon::kMinimize);
      break;
    case static_cast<int32_t>(CaptionAction::kIcon):
    case static_cast<int32_t>(CaptionAction::kIconAlt):
    case static_cast<int32_t>(CaptionAction::kIconMenu):
      result.visible = result.visible && window.border_style != SkinBorderStyle::kDialog;
      break;
    default:
      break;
  }
  return result;
}

int ButtonWidth(const TDataSkinSysButton& button) {
  return button.Map.Width() / std::max(button.Frame, 1);
}

std::optional<ImageRect> PlaceButton(const TDataSkinSysButton& button,
                                     const PlacementContext& context) {
  if (button.Map.Empty()) {
    return std::nullopt;
  }
  const int w = ButtonWidth(button);
  const int h = button.Map.Height();
  int x = 0;
  int y = button.Ycoord;
  switch (static_cast<ButtonAlign>(button.Align)) {
    case ButtonAlign::kLeft:
      x = button.Xcoord;
      break;
    case ButtonAlign::kRight:
      x = context.window_width - button.Xcoord;
      break;
    case ButtonAlign::kBeforeText:
    case ButtonAlign::kBeforeTextAlt:
      x = context.caption_text.left - w - button.Xcoord;
      break;
    case ButtonAlign::kAfterText:
    case ButtonAlign::kAfterTextAlt:
      x = context.caption_text.right + button.Xcoord;
      break;
    case ButtonAlign::kMenuRow:
      x = context.window_width - button.Xcoord - context.frame.right - context.mdi_strip_width;
      y = context.frame.caption + (context.frame.menu - h) / 2;
      break;
    default:
      return std::nullopt;
  }
  return ImageRect{x, y, x + w, y + h};
}

int RightButtonsX(std::span<const TDataSkinSysButton* const> buttons,
                  std::span<const ButtonAvailability> availability) {
  int result = 0;
  for (std::size_t i = 0; i < buttons.size() && i < availability.size(); ++i) {
    if (availability[i].visible && buttons[i]->Align == static_cast<int32_t>(ButtonAlign::kRight)) {
      result = std::max(result, buttons[i]->Xcoord);
    }
  }
  return result;
}

int PaintFrame(int frames, bool active, bool enabled) {
  if (frames < 4) {
    return 1;
  }
  return active && enabled ? 1 : 4;
}

int RedrawFrame(int frames, ButtonState state, bool enabled, bool menu_row) {
  if (frames < 4) {
    return 1;
  }
  if (!enabled) {
    return 4;
  }
  if (menu_row && state == ButtonState::kHot) {
    return 4;
  }
  return static_cast<int>(state);
}

std::string_view HintOf(int32_t action) {
  switch (action) {
    case 0:
    case 9:
    case 62:
      return "Close";
    case 1:
    case 22:
      return "Maximize";
    case 2:
    case 7:
    case 23:
    case 60:
      return "Minimize";
    case 8:
    case 61:
      return "Restore";
    default:
      return {};
  }
}

std::optional<std::size_t> FindButton(std::span<const CaptionButton> buttons, FramePoint point) {
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const CaptionButton& b = buttons[i];
    if (b.visible && b.action >= 0 && point.x >= b.rect.left && point.x < b.rect.right &&
        point.y >= b.rect.top && point.y < b.rect.bottom) {
      return i;
    }
  }
  return std::nullopt;
}

void CaptionButtonTracker::LeaveHot(std::vector<std::size_t>& redraw) {
  if (!hot_) {
    return;
  }
  CaptionButton& b = buttons_[*hot_];
  if (b.visible) {
    b.state = ButtonState::kNormal;
    redraw.push_back(*hot_);
  }
  hot_.reset();
}

std::vector<std::size_t> CaptionButtonTracker::MouseEnter(std::size_t index) {
  std::vector<std::size_t> redraw;
  if (index >= buttons_.size() || hot_ == index) {
    return redraw;
  }
  LeaveHot(redraw);
  if (buttons_[index].visible) {
    hot_ = index;
    buttons_[index].state = ButtonState::kHot;
    redraw.push_back(index);
  }
  return redraw;
}

std::vector<std::size_t> CaptionButtonTracker::MouseDown(std::size_t index) {
  std::vector<std::size_t> redraw;
  if (index >= buttons_.size()) {
    return redraw;
  }
  if (hot_ != index) {
    LeaveHot(redraw);
  }
  if (buttons_[index].visible) {
    hot_ = index;
    buttons_[index].state = ButtonState::kPressed;
    redraw.push_back(index);
  }
  return redraw;
}

std::vector<std::size_t> CaptionButtonTracker::MouseUp(std::size_t index) {
  std::vector<std::size_t> redraw;
  if (index < buttons_.size() && buttons_[index].visible) {
    buttons_[index].state = ButtonState::kHot;
    redraw.push_back(index);
  }
  return redraw;
}

std::vector<std::size_t> CaptionButtonTracker::MouseLeave() {
  std::vector<std::size_t> redraw;
  LeaveHot(redraw);
  return redraw;
}

}  // namespace kova
