// One non-client paint of an 800 x 600 window with the product's skin, composed the way
// a skinned window composes it: the left, right and bottom border strips, then the
// title strip (top border, text background, caption buttons) off screen, each put on
// the window image in one copy. The caption text itself is drawn by the system's text
// output on a window and is not part of this. Must stay below 1 ms.
#include <benchmark/benchmark.h>

#include "product_skin_file.h"
#include "skin/apply/caption_buttons.h"
#include "skin/apply/frame_geometry.h"
#include "skin/apply/title_strip.h"
#include "skin/data/frame_compose.h"
#include "skin/data/skin_data.h"

namespace kova {
namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
// The caption text as a typical font measures "KOVA Security".
constexpr int kTextWidth = 90;
constexpr int kTextHeight = 14;

void PutStrip(TBitmap& window, const ImageRect& rect, const TBitmap& strip) {
  StretchCopy(window, rect, strip, {0, 0, strip.Width(), strip.Height()});
}

void PaintNonClient(const TSkinData& data, const FrameWidths& frame, bool active, TBitmap& window) {
  const int w = kWidth;
  const int h = kHeight;
  PutStrip(window, {0, 0, frame.left, h},
           ComposeBorderStrip(*data.Left, BorderSide::kLeft, frame.left, h, active));
  PutStrip(window, {w - frame.right, 0, w, h},
           ComposeBorderStrip(*data.Right, BorderSide::kRight, frame.right, h, active));
  PutStrip(window, {frame.left, h - frame.bottom, w - frame.right, h},
           ComposeBorderStrip(*data.Bottom, BorderSide::kBottom, w - frame.left - frame.right,
                              frame.bottom, active));

  CaptionWindow caption_window;
  caption_window.active = active;
  caption_window.icons = SkinBorderIcons{SkinBorderIcon::kSystemMenu, SkinBorderIcon::kMinimize,
                                         SkinBorderIcon::kMaximize};
  CaptionLayoutInput input;
  input.strip_width = w;
  input.strip_height = frame.caption;
  input.text_width = kTextWidth;
  input.text_height = kTextHeight;
  input.right_buttons_x = RightButtonsX(data, caption_window);
  const CaptionLayout caption = LayoutCaption(*data.Title, input);
  TBitmap strip = ComposeTitleBackground(data, w, frame.caption, caption, active);
  PlacementContext context;
  context.window_width = w;
  context.caption_text = caption.box;
  context.frame = frame;
  DrawCaptionButtons(strip, LayoutCaptionButtons(data, caption_window, context), active);
  PutStrip(window, {0, 0, w, frame.caption}, strip);
}

void BM_NonClientPaint800x600(benchmark::State& state) {
  const std::vector<uint8_t> file = ProductSkinFile();
  TSkinData data(nullptr);
  TMemoryStream stream(file);
  data.LoadFromStream(stream);
  const FrameWidths frame = FrameWidthsOf(data, SkinBorderStyle::kSizable, 0);
  TBitmap window(kWidth, kHeight);
  const bool active = state.range(0) != 0;
  for (auto _ : state) {
    PaintNonClient(data, frame, active, window);
    benchmark::DoNotOptimize(window.ScanLine(0));
    benchmark::ClobberMemory();
  }
  state.SetLabel(active ? "active" : "inactive");
}
BENCHMARK(BM_NonClientPaint800x600)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kova
