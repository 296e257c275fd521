#include "skin/apply/skin_control_paint.h"

#include <algorithm>

#include "skin/apply/skin_control_draw.h"

namespace kova {

namespace {

void PaintBackground(TBitmap& buffer, const TBitmap* parent_image, TColor background) {
  if (parent_image != nullptr && !parent_image->Empty()) {
    StretchCopy(buffer, {0, 0, buffer.Width(), buffer.Height()}, *parent_image,
                {0, 0, std::min(parent_image->Width(), buffer.Width()),
                 std::min(parent_image->Height(), buffer.Height())});
    return;
  }
  buffer.Fill(background);
}

// A rectangle along the bar's axis from `from` to `to`, across its whole width.
ImageRect AlongAxis(const TBitmap& buffer, bool vertical, int from, int to) {
  return vertical ? ImageRect{0, from, buffer.Width(), to}
                  : ImageRect{from, 0, to, buffer.Height()};
}

}  // namespace

bool ComposePushButton(TBitmap& buffer, const TDataSkinButton& button, int frame,
                       const TBitmap* parent_image, TColor background) {
  if (button.Map.Empty() || buffer.Empty()) {
    return false;
  }
  PaintBackground(buffer, parent_image, background);
  DrawSkinMap(buffer, {0, 0, buffer.Width(), buffer.Height()}, button, frame);
  return true;
}

bool ComposeCheckBox(TBitmap& buffer, const TDataSkinButton& button, bool radio, int frame,
                     const ImageRect& box, TColor background) {
  const TBitmap& image = radio ? button.RadioMap : button.CheckMap;
  if (image.Empty() || buffer.Empty()) {
    return false;
  }
  buffer.Fill(background);
  DrawSkinMap1(buffer, box, image, radio ? button.RadioButtonFrame : button.CheckButtonFrame,
               frame);
  return true;
}

bool ComposeScrollbar(TBitmap& buffer, const TSkinData& skin, const ScrollbarLook& look) {
  const TDataSkinObject* parts = skin.Scrollbar.get();
  if (parts == nullptr || parts->Map.Empty() || buffer.Empty()) {
    return false;
  }
  const int length = look.vertical ? buffer.Height() : buffer.Width();
  const int arrow = PaintedArrowLength(length, look.arrow_size, parts->Map.Height());

  const TDataSkinObject* track = look.vertical ? skin.VertScroll.get() : skin.HorzScroll.get();
  const ImageRect track_rect = AlongAxis(buffer, look.vertical, arrow, length - arrow);
  if (track != nullptr && !track->Map.Empty()) {
    DrawSkinMap(buffer, track_rect, *track, ScrollTrackFrame(look.enabled));
  } else {
    FillRect(buffer, track_rect, skin.Color(TShemeColor::csScrollbar));
  }

  const bool first_hot = look.hot == ScrollPart::kFirstArrow;
  const bool second_hot = look.hot == ScrollPart::kSecondArrow;
  DrawSkinMap1(buffer, AlongAxis(buffer, look.vertical, 0, arrow), parts->Map, parts->Frame,
               ScrollArrowFrame(look.vertical, false, first_hot && look.pressing, first_hot));
  DrawSkinMap1(buffer, AlongAxis(buffer, look.vertical, length - arrow, length), parts->Map,
               parts->Frame,
               ScrollArrowFrame(look.vertical, true, second_hot && look.pressing, second_hot));

  if (!look.enabled || look.thumb.end <= look.thumb.start) {
    return true;
  }
  const bool thumb_hot = look.hot == ScrollPart::kThumb;
  const ImageRect thumb_rect = AlongAxis(buffer, look.vertical, look.thumb.start, look.thumb.end);
  const TDataSkinObject* thumb =
      look.vertical ? skin.VertScrollThumb.get() : skin.HorzScrollThumb.get();
  if (thumb != nullptr && !thumb->Map.Empty()) {
    DrawSkinMap(buffer, thumb_rect, *thumb,
                ScrollThumbFrame(thumb_hot && look.pressing, thumb_hot));
  }
  // The grip keeps its size and sits in the middle of a thumb that can hold it.
  const ImageRect grip = FrameRect(parts->Map, parts->Frame, ScrollGripFrame(look.vertical), false);
  const int gw = grip.right - grip.left;
  const int gh = grip.bottom - grip.top;
  const int tw = thumb_rect.right - thumb_rect.left;
  const int th = thumb_rect.bottom - thumb_rect.top;
  if (gw <= tw && gh <= th) {
    const int x = thumb_rect.left + (tw - gw) / 2;
    const int y = thumb_rect.top + (th - gh) / 2;
    StretchCopy(buffer, {x, y, x + gw, y + gh}, parts->Map, grip, /*transparent=*/true);
  }
  return true;
}

}  // namespace kova
