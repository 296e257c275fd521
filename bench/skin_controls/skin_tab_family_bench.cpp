// Time to compose the skin parts of a tab control, a track bar, up-down buttons and a
// status bar from the product's skin, as a repaint does. The tab control's tabs stand
// at its left, so their strip is composed lying down and turned into place.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "base/streams.h"
#include "product_skin_file.h"

#include "skin/apply/skin_status_bar_paint.h"
#include "skin/apply/skin_tab_paint.h"
#include "skin/apply/skin_track_bar_paint.h"
#include "skin/apply/skin_up_down_paint.h"
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

// A 300 x 220 control with three tabs down its left edge, the second one focused.
void BM_PaintTabControlLeft(benchmark::State& state) {
  const TSkinData& skin = ProductSkin();
  const ImageRect items[] = {{2, 2, 22, 62}, {2, 62, 22, 124}, {2, 124, 22, 186}};
  for (auto _ : state) {
    TBitmap whole(300, 220);
    whole.Fill(skin.Color(TShemeColor::csButtonFace));
    const ImageRect page = FitPageToTabs(TabPageRect({26, 4, 296, 216}, TabPosition::kLeft),
                                         TabPosition::kLeft, items);
    ComposeTabPane(whole, page, skin);
    const TabStripLayout layout(300, 220, page, TabPosition::kLeft);
    std::vector<TabItemPaint> paints;
    for (int i = 0; i < 3; ++i) {
      paints.push_back(
          {layout.ItemToBuffer(items[i]), i == 1 ? kTabStateFocused : kTabStateNormal});
    }
    TBitmap strip = ComposeTabStrip(layout, *skin.Tabs, paints);
    TurnTabStrip(strip, TabPosition::kLeft);
    StretchCopy(whole, layout.Strip(), strip, {0, 0, strip.Width(), strip.Height()}, true);
    benchmark::DoNotOptimize(whole.Pixel(10, 100));
  }
}
BENCHMARK(BM_PaintTabControlLeft)->Unit(benchmark::kMicrosecond);

void BM_PaintTrackBar(benchmark::State& state) {
  const TSkinData& skin = ProductSkin();
  const std::vector<int> values{1, 2, 3, 4, 5, 6, 7, 8, 9};
  TBitmap buffer(200, 40);
  for (auto _ : state) {
    TrackBarLook look;
    look.width = 200;
    look.height = 40;
    look.channel = {8, 10, 192, 14};
    look.thumb = {60, 4, 71, 24};
    const std::vector<int> ticks = TrackBarTickPixels(0, 10, values, 8, 192);
    look.tick_positions = ticks;
    benchmark::DoNotOptimize(ComposeTrackBar(buffer, skin, look, 4, 0x484849, 0xFFFFFF));
    benchmark::DoNotOptimize(buffer.Pixel(65, 14));
  }
}
BENCHMARK(BM_PaintTrackBar)->Unit(benchmark::kMicrosecond);

void BM_PaintUpDown(benchmark::State& state) {
  const TSkinData& skin = ProductSkin();
  TBitmap buffer(16, 40);
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        ComposeUpDown(buffer, skin, false, UpDownPart::kFirst, UpDownPart::kNone, true, 0x484849));
    benchmark::DoNotOptimize(buffer.Pixel(8, 10));
  }
}
BENCHMARK(BM_PaintUpDown)->Unit(benchmark::kMicrosecond);

void BM_PaintStatusBar(benchmark::State& state) {
  const TSkinData& skin = ProductSkin();
  const std::vector<StatusPanelLook> panels{{{0, 2, 200, 22}, StatusPanelEdge::kSunken},
                                            {{202, 2, 400, 22}, StatusPanelEdge::kSunken},
                                            {{402, 2, 600, 22}, StatusPanelEdge::kRaised}};
  TBitmap buffer(600, 22);
  for (auto _ : state) {
    benchmark::DoNotOptimize(ComposeStatusBar(buffer, skin, panels, 0x484849));
    benchmark::DoNotOptimize(buffer.Pixel(100, 10));
  }
}
BENCHMARK(BM_PaintStatusBar)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kova
