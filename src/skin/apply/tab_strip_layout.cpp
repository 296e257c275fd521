#include "skin/apply/tab_strip_layout.h"

#include <algorithm>

namespace kova {

namespace {

constexpr uint32_t kTabVertical = 0x80;
constexpr uint32_t kTabBottomOrRight = 0x02;

}  // namespace

TabPosition TabPositionFromStyle(uint32_t style) {
  const bool second_side = (style & kTabBottomOrRight) != 0;
  if ((style & kTabVertical) != 0) {
    return second_side ? TabPosition::kRight : TabPosition::kLeft;
  }
  return second_side ? TabPosition::kBottom : TabPosition::kTop;
}

ImageRect TabPageRect(const ImageRect& display, TabPosition position) {
  ImageRect page{display.left - 4, display.top - 4, display.right + 4, display.bottom + 4};
  int dx = 0;
  int dy = 0;
  switch (position) {
    case TabPosition::kTop:
      dy = -1;
      break;
    case TabPosition::kBottom:
      dy = 1;
      break;
    case TabPosition::kLeft:
      dx = -1;
      break;
    case TabPosition::kRight:
      dx = 1;
      break;
  }
  return {page.left + dx, page.top + dy, page.right + dx, page.bottom + dy};
}

ImageRect FitPageToTabs(const ImageRect& page, TabPosition position,
                        std::span<const ImageRect> items) {
  ImageRect fitted = page;
  for (const ImageRect& item : items) {
    if (item.right <= item.left || item.bottom <= item.top) {
      continue;
    }
    switch (position) {
      case TabPosition::kTop:
        fitted.top = std::max(fitted.top, item.bottom);
        break;
      case TabPosition::kBottom:
        fitted.bottom = std::min(fitted.bottom, item.top);
        break;
      case TabPosition::kLeft:
        fitted.left = std::max(fitted.left, item.right);
        break;
      case TabPosition::kRight:
        fitted.right = std::min(fitted.right, item.left);
        break;
    }
  }
  return fitted;
}

TabStripLayout::TabStripLayout(int width, int height, const ImageRect& page, TabPosition position)
    : position_(position) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  switch (position) {
    case TabPosition::kTop:
      strip_ = {0, 0, width, std::clamp(page.top, 0, height)};
      break;
    case TabPosition::kBottom:
      strip_ = {0, std::clamp(page.bottom, 0, height), width, height};
      break;
    case TabPosition::kLeft:
      strip_ = {0, 0, std::clamp(page.left, 0, width), height};
      break;
    case TabPosition::kRight:
      strip_ = {std::clamp(page.right, 0, width), 0, width, height};
      break;
  }
  const int strip_width = strip_.right - strip_.left;
  const int strip_height = strip_.bottom - strip_.top;
  const bool lying = position == TabPosition::kLeft || position == TabPosition::kRight;
  buffer_width_ = lying ? strip_height : strip_width;
  buffer_height_ = lying ? strip_width : strip_height;
}

ImageRect TabStripLayout::ItemToBuffer(const ImageRect& item) const {
  const int h = strip_.bottom;  // the strip spans the control's height when lying down
  const int w = strip_.right;
  switch (position_) {
    case TabPosition::kTop:
      return {item.left, item.top + 1, item.right, item.bottom + 1};
    case TabPosition::kBottom:
      return {item.left, item.top - strip_.top - 1, item.right, item.bottom - strip_.top - 1};
    case TabPosition::kLeft:
      // Turned counter-clockwise into place: the buffer's x runs up the strip.
      return {h - item.bottom, item.left + 1, h - item.top, item.right + 1};
    case TabPosition::kRight:
      // Turned clockwise into place: the buffer's x runs down the strip.
      return {item.top, w - item.right + 1, item.bottom, w - item.left + 1};
  }
  return item;
}

ImageRect TabStripLayout::BufferToClient(const ImageRect& rect) const {
  const int h = strip_.bottom;
  const int w = strip_.right;
  switch (position_) {
    case TabPosition::kTop:
      return rect;
    case TabPosition::kBottom:
      return {rect.left, rect.top + strip_.top, rect.right, rect.bottom + strip_.top};
    case TabPosition::kLeft:
      return {rect.top, h - rect.right, rect.bottom, h - rect.left};
    case TabPosition::kRight:
      return {w - rect.bottom, rect.left, w - rect.top, rect.right};
  }
  return rect;
}

TabPoint TabStripLayout::ClientToBuffer(TabPoint point) const {
  const int h = strip_.bottom;
  const int w = strip_.right;
  switch (position_) {
    case TabPosition::kTop:
      return point;
    case TabPosition::kBottom:
      return {point.x, point.y - strip_.top};
    case TabPosition::kLeft:
      return {h - 1 - point.y, point.x};
    case TabPosition::kRight:
      return {point.y, w - 1 - point.x};
  }
  return point;
}

}  // namespace kova
