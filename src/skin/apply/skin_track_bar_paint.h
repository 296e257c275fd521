// A track bar composed from the skin: its channel from "Track" (or "TRACKVERT" upright)
// and its thumb from "Trackbar.ThumbHorz" (or "Trackbar.ThumbVert") where the control
// keeps them, with the tick marks the control asks for.
#pragma once

#include <span>
#include <vector>

#include "forms/graphics/bitmap.h"
#include "skin/data/image_utils.h"
#include "skin/data/skin_data.h"

namespace kova {

enum class TrackBarTicks : uint8_t { kNone, kBelow, kAbove, kBoth };

struct TrackBarLook {
  int width = 0;
  int height = 0;
  bool vertical = false;
  ImageRect channel;  // as the control reports it (some report an upright one lying down)
  ImageRect thumb;    // as the control reports it; empty without a thumb
  TrackBarTicks ticks = TrackBarTicks::kBelow;
  // Where the ticks stand along the axis, in client pixels.
  std::span<const int> tick_positions;
};

struct TrackBarParts {
  ImageRect channel;
  ImageRect thumb;
};

// The channel runs along the control's channel and is `thickness` across (the skin
// image's), centred on the thumb's middle so the thumb rides on it; the thumb stays
// where the control has it, so its mouse handling still matches.
TrackBarParts TrackBarLayout(const TrackBarLook& look, int thickness);

// Where ticks stand along the axis: the range's ends at the channel's first and last
// pixel, each tick value in proportion between them (rounded), in the order given.
std::vector<int> TrackBarTickPixels(int minimum, int maximum, std::span<const int> values,
                                    int channel_start, int channel_end);

// Frames of the thumb, as push buttons: 1 normal, 2 pressed, 3 disabled, 4 hot,
// 5 focused. Disabled wins, pressed beats hot, both beat focus.
int TrackBarThumbFrame(bool enabled, bool pressed, bool hot, bool focused);

// Background, channel, ticks (in `tick_color`) and thumb in `thumb_frame`. False without
// a channel image for the orientation.
bool ComposeTrackBar(TBitmap& buffer, const TSkinData& skin, const TrackBarLook& look,
                     int thumb_frame, TColor background, TColor tick_color);

}  // namespace kova
