// A tab control composed from the skin: its tabs from the "Tabs" object (or, for tabs
// shown as buttons, the button object) in a strip buffer, and its page from "Tab.Pane"
// or the "Tabs" object's own pane image. Texts and images of the tabs are drawn by the
// window side, which has the fonts, before the strip is turned into place.
#pragma once

#include <span>
#include <vector>

#include "forms/graphics/bitmap.h"
#include "skin/apply/tab_strip_layout.h"
#include "skin/data/frame_compose.h"
#include "skin/data/skin_data.h"

namespace kova {

// States of the "Tabs" object a tab shows.
inline constexpr int kTabStateNormal = 1;
inline constexpr int kTabStateFocused = 2;

// Margins of the pane image the "Tabs" object carries besides its tabs.
inline constexpr SkinMargins kTabPaneMargins{4, 5, 4, 4};

struct TabItemPaint {
  ImageRect rect;  // in the strip buffer
  int frame = kTabStateNormal;
  bool close_button = false;
  TColor glyph_color = 0;  // of the close button
};

// The colour of a tab's text: the object's first text colour at rest, its second on the
// focused tab; the older single number where the skin gives one, else the colour text
// (which defaults to the skin's button text).
TColor TabTextColor(const TDataSkinObject& tabs, int state);

// The close button at the far end of a tab, in the tab's coordinates; empty when the tab
// is too small to hold one.
ImageRect TabCloseButtonRect(const ImageRect& tab);
// What is left of a tab for its image and text.
ImageRect TabTextRect(const ImageRect& tab, bool close_button);

// A strip buffer of the layout's size: see-through (the key colour) where no tab lies,
// each tab drawn from `look` in its frame, and its close button's cross.
TBitmap ComposeTabStrip(const TabStripLayout& layout, const TDataSkinObject& look,
                        std::span<const TabItemPaint> items);

// Turns a composed strip buffer into the strip's place (left strips counter-clockwise,
// right strips clockwise).
void TurnTabStrip(TBitmap& strip, TabPosition position);

// The tabs of the older tab set, which hang from its top edge: side by side from
// `start_margin`, each as wide as its text and kTabSetPadding on either side, as high as
// the control but for a gap of kTabSetGap at its bottom.
inline constexpr int kTabSetPadding = 6;
inline constexpr int kTabSetGap = 2;
std::vector<ImageRect> TabSetLayout(std::span<const int> text_widths, int start_margin, int height);

// The page frame composed into `page` of `whole`: from "Tab.Pane" when the "Tabs" object
// has no pane image of its own or its Style asks for the shared one, else from its pane
// image with kTabPaneMargins. False when the skin has neither.
bool ComposeTabPane(TBitmap& whole, const ImageRect& page, const TSkinData& skin);

}  // namespace kova
