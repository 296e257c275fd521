#include "skin/apply/skin_tab_paint.h"

#include <algorithm>

#include "skin/apply/skin_control_draw.h"

namespace kova {

namespace {

bool Drawable(const ImageRect& rect) {
  return rect.right > rect.left && rect.bottom > rect.top;
}

// One tab upside down: composed on its own, flipped, then laid into the strip.
void DrawFlipped(TBitmap& strip, const ImageRect& rect, const TDataSkinObject& look, int frame) {
  TBitmap tab = GetHMap(rect.right - rect.left, rect.bottom - rect.top, look.Map, MarginsOf(look),
                        /*stacked=*/false, look.Tile == 1, look.Frame, frame);
  if (tab.Empty()) {
    return;
  }
  SpiegelnVertikal(tab);
  StretchCopy(strip, rect, tab, {0, 0, tab.Width(), tab.Height()}, look.Trans == 1);
}

// A cross two pixels thick from corner to corner of a square.
void DrawCross(TBitmap& strip, const ImageRect& rect, TColor color) {
  const int size = std::min(rect.right - rect.left, rect.bottom - rect.top);
  for (int i = 0; i < size; ++i) {
    for (int t = 0; t < 2 && i + t < size; ++t) {
      const int x = rect.left + i + t;
      const int down = rect.top + i;
      const int up = rect.top + size - 1 - i;
      for (int y : {down, up}) {
        if (x >= 0 && x < strip.Width() && y >= 0 && y < strip.Height()) {
          strip.SetPixel(x, y, color);
        }
      }
    }
  }
}

}  // namespace

TColor TabTextColor(const TDataSkinObject& tabs, int state) {
  const bool focused = state == kTabStateFocused;
  const int32_t number = focused ? tabs.MouseOverColour : tabs.NormalColour;
  if (number != -1) {
    return static_cast<TColor>(number);
  }
  return focused ? tabs.MouseOverColour2 : tabs.NormalColour2;
}

ImageRect TabCloseButtonRect(const ImageRect& tab) {
  const int height = tab.bottom - tab.top;
  const int size = std::min(9, height - 8);
  if (size < 5 || tab.right - tab.left < 3 * size) {
    return {};
  }
  const int right = tab.right - 5;
  const int top = tab.top + (height - size) / 2;
  return {right - size, top, right, top + size};
}

ImageRect TabTextRect(const ImageRect& tab, bool close_button) {
  ImageRect text = tab;
  if (close_button) {
    const ImageRect close = TabCloseButtonRect(tab);
    if (Drawable(close)) {
      text.right = close.left - 2;
    }
  }
  return text;
}

TBitmap ComposeTabStrip(const TabStripLayout& layout, const TDataSkinObject& look,
                        std::span<const TabItemPaint> items) {
  if (layout.Empty()) {
    return {};
  }
  TBitmap strip(layout.BufferWidth(), layout.BufferHeight());
  strip.Fill(kTransparentKey);
  for (const TabItemPaint& item : items) {
    if (!Drawable(item.rect)) {
      continue;
    }
    if (layout.FlipsItems()) {
      DrawFlipped(strip, item.rect, look, item.frame);
    } else {
      DrawSkinMap(strip, item.rect, look, item.frame);
    }
    if (item.close_button) {
      DrawCross(strip, TabCloseButtonRect(item.rect), item.glyph_color);
    }
  }
  return strip;
}

void TurnTabStrip(TBitmap& strip, TabPosition position) {
  if (strip.Empty()) {
    return;
  }
  if (position == TabPosition::kLeft) {
    Drehen270Grad(strip);
  } else if (position == TabPosition::kRight) {
    Drehen90Grad(strip);
  }
}

std::vector<ImageRect> TabSetLayout(std::span<const int> text_widths, int start_margin,
                                    int height) {
  std::vector<ImageRect> tabs;
  int x = start_margin;
  for (const int width : text_widths) {
    const int right = x + std::max(width, 0) + 2 * kTabSetPadding;
    tabs.push_back({x, 0, right, std::max(height - kTabSetGap, 0)});
    x = right;
  }
  return tabs;
}

bool ComposeTabPane(TBitmap& whole, const ImageRect& page, const TSkinData& skin) {
  const TDataSkinBorder* tabs = skin.Tabs.get();
  const TDataSkinObject* shared = skin.TabPane.get();
  const bool has_shared = shared != nullptr && !shared->Map.Empty();
  const bool has_own = tabs != nullptr && !tabs->Map2.Empty();
  if (has_shared && (!has_own || tabs->Style != 0)) {
    DrawSkinMap(whole, page, *shared, 1);
    return true;
  }
  if (has_own) {
    DrawSkinMap(whole, page, tabs->Map2, kTabPaneMargins, 1, 1, tabs->Trans == 1, tabs->Tile == 1);
    return true;
  }
  return false;
}

}  // namespace kova
