// Time to paint one skinned control into its off-screen buffer from the product's skin,
// as a repaint does: the state's frame chosen, the background filled and the skin parts
// composed. A 75 x 25 push button, a 120 x 17 check box and a 200 x 17 scroll bar.
#include <benchmark/benchmark.h>

#include <memory>

#include "base/streams.h"
#include "product_skin_file.h"

#include "skin/apply/check_box_look.h"
#include "skin/apply/push_button_state.h"
#include "skin/apply/scrollbar_geometry.h"
#include "skin/apply/skin_control_paint.h"
#include "skin/data/skin_data.h"

namespace kova {
namespace {

const TSkinData& ProductSkin() {
  static const std::unique_ptr<TSkinData> data = [] {
    TMemoryStream stream(ProductSkinFile());
    auto loaded = std::make_unique<TSkinData>(nullptr);
    loaded->LoadFromStream(stream);
    return loaded;
  }();
  return *data;
}

void BM_PaintPushButton(benchmark::State& state) {
  const TSkinData& skin = ProductSkin();
  TBitmap buffer(75, 25);
  PushButtonState button;
  ApplyPushButtonEvent(button, PushButtonEvent::kMouseMove, true);
  for (auto _ : state) {
    const int frame = PushButtonFrame(button, {true, true, false});
    benchmark::DoNotOptimize(ComposePushButton(buffer, *skin.Button, frame, nullptr,
                                               skin.Color(TShemeColor::csButtonFace)));
    benchmark::DoNotOptimize(buffer.Pixel(37, 12));
  }
}
BENCHMARK(BM_PaintPushButton)->Unit(benchmark::kMicrosecond);

void BM_PaintCheckBox(benchmark::State& state) {
  const TSkinData& skin = ProductSkin();
  TBitmap buffer(120, 17);
  for (auto _ : state) {
    const int frame = CheckBoxFrame(CheckState::kChecked, {}, false, skin.Button->CheckButtonFrame);
    const CheckBoxLayout layout = PlaceCheckBox({0, 0, 120, 17}, 13, 13, 0, false, 14);
    benchmark::DoNotOptimize(ComposeCheckBox(buffer, *skin.Button, false, frame, layout.box,
                                             skin.Color(TShemeColor::csButtonFace)));
    benchmark::DoNotOptimize(buffer.Pixel(6, 8));
  }
}
BENCHMARK(BM_PaintCheckBox)->Unit(benchmark::kMicrosecond);

void BM_PaintScrollbar(benchmark::State& state) {
  const TSkinData& skin = ProductSkin();
  TBitmap buffer(200, 17);
  for (auto _ : state) {
    ScrollbarLook look;
    look.arrow_size = 17;
    look.thumb = ComputeThumb(200, 17, {0, 100, 10, 40}, ScrollbarOwner::kControl);
    look.hot = ScrollPart::kThumb;
    benchmark::DoNotOptimize(ComposeScrollbar(buffer, skin, look));
    benchmark::DoNotOptimize(buffer.Pixel(100, 8));
  }
}
BENCHMARK(BM_PaintScrollbar)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kova
