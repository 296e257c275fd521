// The arithmetic of skinned menus without any window system: how owner-drawn items are
// measured and laid out, where the menu-bar buttons of a skinned frame sit, which
// button the keyboard moves to and which one an accelerator key opens.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "skin/data/image_utils.h"

namespace kova {

// Glyphs of the library's 16-pixel menu glyph strip.
enum class MenuGlyph : int { kCheck = 0, kRadio = 1, kSubMenuArrow = 2 };
inline constexpr int kMenuGlyphSize = 16;

// State images of the skin's menu item object.
inline constexpr int kMenuItemFrames = 5;
inline constexpr int kMenuItemNormalFrame = 1;
inline constexpr int kMenuItemSelectedFrame = 4;

// The column at an item's right end that holds its submenu arrow.
inline constexpr int kMenuArrowColumn = kMenuGlyphSize + 2;

// Popup-menu windows keep this much of the system's border for the skin's frame.
inline constexpr int kPopupBorder = 3;

struct MenuItemSize {
  int width = 0;
  int height = 0;
};

// A native item switched to owner drawing: its caption's width in the menu font plus
// room for the check column, the menu item object's left margin (0 without the object),
// and the proposed height plus 4, or 8 for an empty caption (a separator); 4 more on
// the 9x platform.
MenuItemSize MeasureNativeMenuItem(int caption_width, int proposed_height, bool empty_caption,
                                   int item_left_margin, bool nine_x_platform);

// A framework item: its own measured width plus the item object's left margin plus the
// room for the image column (10 when the menu has an image list, else 35).
int FrameworkMenuItemWidth(int own_width, int item_left_margin, bool has_image_list);

// Owner-drawn items with these ids belong to the window's own drawing unless the skin
// switched them itself.
bool IsWindowOwnedItemId(uint32_t id);

// A caption split at its first tab into the text and the shortcut shown on the right.
struct MenuCaptionParts {
  std::u16string text;
  std::u16string shortcut;
};
MenuCaptionParts SplitMenuCaption(const std::u16string& caption);

// The accelerator of a caption (the character after a single '&'), lower-cased for
// ASCII letters; none when there is none.
std::optional<char16_t> MenuAccelerator(const std::u16string& caption);
// The caption without its accelerator marks ("&&" stays one '&').
std::u16string StripAcceleratorMarks(const std::u16string& caption);

// Where the parts of an owner-drawn item go inside its rectangle. The column left of the
// text holds the check mark or the menu's image; it is as wide as the menu's images, at
// least one glyph.
struct MenuItemParts {
  ImageRect check;     // 16 x 16, left, after the item object's margin
  ImageRect image;     // the column, the item's height
  ImageRect text;      // from the column to the arrow column
  ImageRect shortcut;  // right-aligned in the text rectangle
  ImageRect arrow;     // 16 x 16, at the right edge
  int separator_y = 0;
  int separator_left = 0;
  int separator_right = 0;
};
MenuItemParts LayoutMenuItem(const ImageRect& item, int item_left_margin, int shortcut_width,
                             int image_column = kMenuGlyphSize);

// One top-level item of the menu bar as the layout sees it.
struct MenuBarItem {
  int caption_width = 0;  // in the screen's menu font
  bool empty_caption = false;
  bool visible = true;
};

struct MenuBarLayoutInput {
  int row_width = 0;  // the row, zero-based
  int row_height = 0;
  bool has_bar_object = false;
  int bar_left_margin = 0;
  int bar_right_margin = 0;
  bool right_to_left = false;
};

// Button rectangles in row coordinates, one per item; hidden items get an empty one.
// Nothing is laid out (all empty) for an empty row.
std::vector<ImageRect> LayoutMenuBar(const MenuBarLayoutInput& input,
                                     std::span<const MenuBarItem> items);

// The first visible button containing a row point, or none.
std::optional<size_t> MenuBarButtonAt(std::span<const ImageRect> buttons,
                                      std::span<const MenuBarItem> items, int x, int y);

// What a key pressed in an open menu-bar menu does.
enum class MenuKeyMove : uint8_t { kNone, kNext, kPrevious, kEndSwitch };
inline constexpr uint32_t kVkReturn = 0x0D;
inline constexpr uint32_t kVkEscape = 0x1B;
inline constexpr uint32_t kVkLeft = 0x25;
inline constexpr uint32_t kVkRight = 0x27;
// Right-to-left menus swap the two arrows first. Right moves on from an item without a
// submenu; left moves back from the button's own menu (not from a nested submenu).
MenuKeyMove MenuKeyAction(uint32_t vk, bool right_to_left, bool item_opens_submenu,
                          bool at_top_level);

// The neighbour of button `index` among the visible ones, wrapping at both ends; the
// same index when no other is visible.
size_t NeighbourMenuButton(std::span<const MenuBarItem> items, size_t index, bool forward);

// The first enabled, visible button whose caption has `key` as accelerator.
std::optional<size_t> MenuButtonForAccelerator(std::span<const std::u16string> captions,
                                               std::span<const bool> enabled,
                                               std::span<const MenuBarItem> items, char16_t key);

}  // namespace kova
