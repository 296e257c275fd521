#include "skin/apply/skin_track_bar_paint.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "skin/apply/push_button_state.h"
#include "skin/apply/skin_control_draw.h"

namespace kova {

namespace {

constexpr int kTickLength = 3;
constexpr int kTickGap = 2;

bool Drawable(const ImageRect& rect) {
  return rect.right > rect.left && rect.bottom > rect.top;
}

ImageRect Upright(const ImageRect& channel, bool vertical) {
  const bool lies = channel.right - channel.left > channel.bottom - channel.top;
  if (vertical && lies) {
    return {channel.top, channel.left, channel.bottom, channel.right};
  }
  return channel;
}

const TDataSkinObject* ChannelObject(const TSkinData& skin, bool vertical) {
  const TDataSkinObject* object = vertical ? skin.TrackVert.get() : skin.Track.get();
  return object != nullptr && !object->Map.Empty() ? object : nullptr;
}

const TDataSkinObject* ThumbObject(const TSkinData& skin, bool vertical) {
  const TDataSkinObject* object = vertical ? skin.ThumbVert.get() : skin.ThumbHorz.get();
  return object != nullptr && !object->Map.Empty() ? object : nullptr;
}

}  // namespace

TrackBarParts TrackBarLayout(const TrackBarLook& look, int thickness) {
  const ImageRect channel = Upright(look.channel, look.vertical);
  const bool has_thumb = Drawable(look.thumb);
  const int across = look.vertical ? look.width : look.height;
  thickness = std::clamp(thickness, 1, std::max(across, 1));
  // The middle across the axis: the thumb's, or the control's channel's without a thumb.
  const int middle =
      look.vertical
          ? (has_thumb ? look.thumb.left + look.thumb.right : channel.left + channel.right) / 2
          : (has_thumb ? look.thumb.top + look.thumb.bottom : channel.top + channel.bottom) / 2;
  const int start = std::clamp(middle - thickness / 2, 0, std::max(across - thickness, 0));
  TrackBarParts parts;
  parts.channel = look.vertical ? ImageRect{start, channel.top, start + thickness, channel.bottom}
                                : ImageRect{channel.left, start, channel.right, start + thickness};
  parts.thumb = look.thumb;
  return parts;
}

std::vector<int> TrackBarTickPixels(int minimum, int maximum, std::span<const int> values,
                                    int channel_start, int channel_end) {
  std::vector<int> pixels;
  const int64_t range = static_cast<int64_t>(maximum) - minimum;
  const int64_t span = static_cast<int64_t>(channel_end) - 1 - channel_start;
  if (span < 0) {
    return pixels;
  }
  pixels.push_back(channel_start);
  if (range > 0) {
    for (const int value : values) {
      const int64_t offset = std::clamp<int64_t>(static_cast<int64_t>(value) - minimum, 0, range);
      // 64-bit so that wide ranges do not overflow the product.
      pixels.push_back(channel_start + static_cast<int>((offset * span + range / 2) / range));
    }
  }
  pixels.push_back(channel_start + static_cast<int>(span));
  return pixels;
}

int TrackBarThumbFrame(bool enabled, bool pressed, bool hot, bool focused) {
  if (!enabled) {
    return kButtonFrameDisabled;
  }
  if (pressed) {
    return kButtonFramePressed;
  }
  if (hot) {
    return kButtonFrameHot;
  }
  return focused ? kButtonFrameFocused : kButtonFrameNormal;
}

bool ComposeTrackBar(TBitmap& buffer, const TSkinData& skin, const TrackBarLook& look,
                     int thumb_frame, TColor background, TColor tick_color) {
  const TDataSkinObject* channel_object = ChannelObject(skin, look.vertical);
  if (channel_object == nullptr || buffer.Empty()) {
    return false;
  }
  buffer.Fill(background);
  const int thickness = look.vertical
                            ? channel_object->Map.Width() / std::max(channel_object->Frame, 1)
                            : channel_object->Map.Height();
  const TrackBarParts parts = TrackBarLayout(look, thickness);
  DrawSkinMap(buffer, parts.channel, *channel_object, 1);

  // Ticks beside the thumb's band (or the channel's without a thumb).
  const ImageRect band = Drawable(parts.thumb) ? parts.thumb : parts.channel;
  const int before = (look.vertical ? band.left : band.top) - kTickGap;
  const int after = (look.vertical ? band.right : band.bottom) + kTickGap;
  const bool above = look.ticks == TrackBarTicks::kAbove || look.ticks == TrackBarTicks::kBoth;
  const bool below = look.ticks == TrackBarTicks::kBelow || look.ticks == TrackBarTicks::kBoth;
  for (int at : look.tick_positions) {
    if (above) {
      FillRect(buffer,
               look.vertical ? ImageRect{before - kTickLength, at, before, at + 1}
                             : ImageRect{at, before - kTickLength, at + 1, before},
               tick_color);
    }
    if (below) {
      FillRect(buffer,
               look.vertical ? ImageRect{after, at, after + kTickLength, at + 1}
                             : ImageRect{at, after, at + 1, after + kTickLength},
               tick_color);
    }
  }

  const TDataSkinObject* thumb = ThumbObject(skin, look.vertical);
  if (thumb != nullptr && Drawable(parts.thumb)) {
    DrawSkinMap(buffer, parts.thumb, *thumb, thumb_frame);
  }
  return true;
}

}  // namespace kova
