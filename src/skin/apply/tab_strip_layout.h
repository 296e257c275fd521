// Where a tab control's tabs and page lie, free of any window system. The tabs are
// composed in a strip buffer whose text runs left to right; a strip at the left or
// right edge is composed lying down and turned into place afterwards, so one composing
// routine serves all four positions.
#pragma once

#include <cstdint>
#include <span>

#include "skin/data/image_utils.h"

namespace kova {

enum class TabPosition : uint8_t { kTop = 0, kBottom = 1, kLeft = 2, kRight = 3 };

// The tab side from the tab control's styles (vertical 0x80, and 0x02 for bottom or,
// vertical, right).
TabPosition TabPositionFromStyle(uint32_t style);

// The page's frame from the control's display rectangle: 4 pixels wider on every side,
// then 1 pixel towards the tabs so the tabs' edge and the page's meet.
ImageRect TabPageRect(const ImageRect& display, TabPosition position);

// The page no nearer the tab side than where the control's tabs end, so the strip
// holds the whole tabs even where the control keeps its display rectangle close to them
// (the tabs, moved one pixel towards the page, then overlap its edge by one pixel).
ImageRect FitPageToTabs(const ImageRect& page, TabPosition position,
                        std::span<const ImageRect> items);

struct TabPoint {
  int x = 0;
  int y = 0;
};

class TabStripLayout {
 public:
  // A control of width x height whose page frame is `page`.
  TabStripLayout(int width, int height, const ImageRect& page, TabPosition position);

  TabPosition Position() const { return position_; }
  // The band between the control's edge and the page on the tab side, in client
  // coordinates.
  const ImageRect& Strip() const { return strip_; }
  // The strip buffer. Left and right strips lie down in it (the page below them), so
  // the buffer is as wide as the strip is high.
  int BufferWidth() const { return buffer_width_; }
  int BufferHeight() const { return buffer_height_; }
  bool Empty() const { return buffer_width_ <= 0 || buffer_height_ <= 0; }

  // A tab's rectangle (client coordinates, as the control reports it) in the buffer,
  // moved 1 pixel towards the page.
  ImageRect ItemToBuffer(const ImageRect& item) const;
  // A rectangle of the buffer back in client coordinates (the inverse of the turn, without
  // the move towards the page).
  ImageRect BufferToClient(const ImageRect& rect) const;
  // A client point in buffer coordinates, taking the move towards the page into account,
  // so it hits what ItemToBuffer placed there.
  TabPoint ClientToBuffer(TabPoint point) const;
  // Bottom tabs have the page above them: their images are flipped so that their open
  // side faces it (their text is not).
  bool FlipsItems() const { return position_ == TabPosition::kBottom; }

 private:
  TabPosition position_;
  ImageRect strip_;
  int buffer_width_ = 0;
  int buffer_height_ = 0;
};

}  // namespace kova
