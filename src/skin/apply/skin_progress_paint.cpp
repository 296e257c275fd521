#include "skin/apply/skin_progress_paint.h"

#include <algorithm>
#include <cstdint>

#include "skin/apply/skin_control_draw.h"

namespace kova {

ImageRect ProgressFilledRect(int width, int height, const ImageRect& inset,
                             const ProgressLook& look) {
  const ImageRect inner{inset.left, inset.top, width - inset.right, height - inset.bottom};
  const int64_t range = static_cast<int64_t>(look.maximum) - look.minimum;
  if (range <= 0 || inner.right <= inner.left || inner.bottom <= inner.top) {
    return {};
  }
  const int64_t done =
      std::clamp<int64_t>(static_cast<int64_t>(look.position) - look.minimum, 0, range);
  const int64_t span = look.vertical ? inner.bottom - inner.top : inner.right - inner.left;
  // 64-bit so that wide ranges do not overflow the product.
  const auto filled = static_cast<int>((span * done + range / 2) / range);
  if (look.vertical) {
    return {inner.left, inner.bottom - filled, inner.right, inner.bottom};
  }
  return {inner.left, inner.top, inner.left + filled, inner.bottom};
}

bool ComposeProgress(TBitmap& buffer, const TSkinData& skin, const ProgressLook& look,
                     TColor background) {
  const TDataSkinBorder* frame = skin.Progress.get();
  if (frame == nullptr || frame->Map.Empty() || buffer.Empty()) {
    return false;
  }
  buffer.Fill(background);
  const int frame_index = look.vertical && frame->Frame >= 2 ? 2 : 1;
  DrawSkinMap(buffer, {0, 0, buffer.Width(), buffer.Height()}, *frame, frame_index);
  const TDataSkinObject* chunk = skin.ProgressChunk.get();
  if (chunk == nullptr || chunk->Map.Empty()) {
    return true;
  }
  const ImageRect inset{frame->LeftWidth, frame->TopHeight, frame->RightWidth, frame->BottomHeight};
  const ImageRect filled = ProgressFilledRect(buffer.Width(), buffer.Height(), inset, look);
  if (filled.right > filled.left && filled.bottom > filled.top) {
    DrawSkinMap(buffer, filled, *chunk, 1);
  }
  return true;
}

}  // namespace kova
