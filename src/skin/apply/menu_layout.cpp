#include "skin/apply/menu_layout.h"

#include <algorithm>

namespace kova {

namespace {

// Check column, gap and right end of an owner-drawn item.
constexpr int kCheckLeft = 2;
constexpr int kColumnGap = 4;
constexpr int kNativeItemExtra = 26;

char16_t LowerAscii(char16_t c) {
  return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

ImageRect GlyphBox(int left, const ImageRect& item) {
  const int top = item.top + (item.bottom - item.top - kMenuGlyphSize) / 2;
  return {left, top, left + kMenuGlyphSize, top + kMenuGlyphSize};
}

}  // namespace

MenuItemSize MeasureNativeMenuItem(int caption_width, int proposed_height, bool empty_caption,
                                   int item_left_margin, bool nine_x_platform) {
  MenuItemSize size;
  size.width = std::max(caption_width, 0) + kNativeItemExtra + std::max(item_left_margin, 0);
  size.height = empty_caption ? 8 : proposed_height + 4;
  if (nine_x_platform) {
    size.height += 4;
  }
  return size;
}

int FrameworkMenuItemWidth(int own_width, int item_left_margin, bool has_image_list) {
  return own_width + std::max(item_left_margin, 0) + (has_image_list ? 10 : 35);
}

bool IsWindowOwnedItemId(uint32_t id) {
  return id >= 1 && id <= 4095;
}

MenuCaptionParts SplitMenuCaption(const std::u16string& caption) {
  const size_t tab = caption.find(u'\t');
  if (tab == std::u16string::npos) {
    return {caption, {}};
  }
  return {caption.substr(0, tab), caption.substr(tab + 1)};
}

std::optional<char16_t> MenuAccelerator(const std::u16string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') {
      continue;
    }
    if (caption[i + 1] == u'&') {
      ++i;
      continue;
    }
    return LowerAscii(caption[i + 1]);
  }
  return std::nullopt;
}

std::u16string StripAcceleratorMarks(const std::u16string& caption) {
  std::u16string text;
  text.reserve(caption.size());
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&') {
      if (i + 1 < caption.size() && caption[i + 1] == u'&') {
        text.push_back(u'&');
        ++i;
      }
      continue;
    }
    text.push_back(caption[i]);
  }
  return text;
}

MenuItemParts LayoutMenuItem(const ImageRect& item, int item_left_margin, int shortcut_width,
                             int image_column) {
  MenuItemParts parts;
  const int margin = std::max(item_left_margin, 0);
  const int column = std::max(image_column, kMenuGlyphSize);
  const int column_left = item.left + margin + kCheckLeft;
  parts.check = GlyphBox(column_left, item);
  parts.image = {column_left, item.top, column_left + column, item.bottom};
  parts.arrow = GlyphBox(item.right - kMenuArrowColumn, item);
  const int text_left = column_left + column + kColumnGap;
  const int text_right = std::max(text_left, item.right - kMenuArrowColumn);
  parts.text = {text_left, item.top, text_right, item.bottom};
  const int shortcut_left = std::max(parts.text.left, text_right - std::max(shortcut_width, 0));
  parts.shortcut = {shortcut_left, item.top, text_right, item.bottom};
  parts.separator_y = item.top + (item.bottom - item.top) / 2;
  parts.separator_left = item.left + margin + kCheckLeft;
  parts.separator_right = std::max(parts.separator_left, item.right - kCheckLeft);
  return parts;
}

std::vector<ImageRect> LayoutMenuBar(const MenuBarLayoutInput& input,
                                     std::span<const MenuBarItem> items) {
  std::vector<ImageRect> rects(items.size());
  if (input.row_width <= 0 || input.row_height <= 0) {
    return rects;
  }
  int start = 6;
  if (input.has_bar_object) {
    start = input.right_to_left ? input.bar_right_margin + 8 : input.bar_left_margin + 4;
    if (start > input.row_width) {
      start = 12;
    }
  }
  const int height = input.row_height - 1;
  int edge = input.right_to_left ? input.row_width - start : start;
  for (size_t i = 0; i < items.size(); ++i) {
    if (!items[i].visible) {
      continue;
    }
    const int width = items[i].empty_caption ? 0 : items[i].caption_width + 10;
    if (input.right_to_left) {
      rects[i] = {edge - width, 0, edge, height};
      edge -= width;
    } else {
      rects[i] = {edge, 0, edge + width, height};
      edge += width;
    }
  }
  return rects;
}

std::optional<size_t> MenuBarButtonAt(std::span<const ImageRect> buttons,
                                      std::span<const MenuBarItem> items, int x, int y) {
  const size_t count = std::min(buttons.size(), items.size());
  for (size_t i = 0; i < count; ++i) {
    const ImageRect& r = buttons[i];
    if (items[i].visible && x >= r.left && x < r.right && y >= r.top && y < r.bottom) {
      return i;
    }
  }
  return std::nullopt;
}

MenuKeyMove MenuKeyAction(uint32_t vk, bool right_to_left, bool item_opens_submenu,
                          bool at_top_level) {
  if (right_to_left && (vk == kVkLeft || vk == kVkRight)) {
    vk = vk == kVkLeft ? kVkRight : kVkLeft;
  }
  switch (vk) {
    case kVkReturn:
    case kVkEscape:
      return MenuKeyMove::kEndSwitch;
    case kVkRight:
      return item_opens_submenu ? MenuKeyMove::kNone : MenuKeyMove::kNext;
    case kVkLeft:
      return at_top_level ? MenuKeyMove::kPrevious : MenuKeyMove::kNone;
    default:
      return MenuKeyMove::kNone;
  }
}

size_t NeighbourMenuButton(std::span<const MenuBarItem> items, size_t index, bool forward) {
  const size_t count = items.size();
  if (count == 0) {
    return index;
  }
  size_t at = index % count;
  for (size_t step = 1; step < count; ++step) {
    at = forward ? (at + 1) % count : (at + count - 1) % count;
    if (items[at].visible) {
      return at;
    }
  }
  return index;
}

std::optional<size_t> MenuButtonForAccelerator(std::span<const std::u16string> captions,
                                               std::span<const bool> enabled,
                                               std::span<const MenuBarItem> items, char16_t key) {
  const size_t count = std::min({captions.size(), enabled.size(), items.size()});
  const char16_t wanted = LowerAscii(key);
  for (size_t i = 0; i < count; ++i) {
    if (!enabled[i] || !items[i].visible) {
      continue;
    }
    const std::optional<char16_t> accel = MenuAccelerator(captions[i]);
    if (accel && *accel == wanted) {
      return i;
    }
  }
  return std::nullopt;
}

}  // namespace kova
