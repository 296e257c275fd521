// Time to turn the product's skin file into a complete model (decompress the archive,
// parse the INI description, decode every image and derive the composed ones), and to
// compose and cut an 800 x 600 window's frame from it. "peak_bytes" is the most memory
// one load held at once.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "allocation_counter.h"
#include "product_skin_file.h"
#include "skin/apply/bitmap_region.h"
#include "skin/apply/frame_region.h"
#include "skin/apply/skin_preview.h"
#include "skin/data/skin_data.h"

namespace kova {
namespace {

void BM_LoadProductSkin(benchmark::State& state) {
  const std::vector<uint8_t> file = ProductSkinFile();
  size_t peak = 0;
  for (auto _ : state) {
    bench::ResetPeakAllocation();
    {
      TSkinData data(nullptr);
      TMemoryStream stream(file);
      data.LoadFromStream(stream);
      benchmark::DoNotOptimize(data.ComboxArrow.get());
    }
    peak = std::max(peak, bench::PeakAllocation());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(file.size()));
  state.counters["peak_bytes"] = static_cast<double>(peak);
  state.SetLabel(std::to_string(file.size()) + " bytes");
}
BENCHMARK(BM_LoadProductSkin)->Unit(benchmark::kMillisecond);

void BM_ComposeFramePreview(benchmark::State& state) {
  const std::vector<uint8_t> file = ProductSkinFile();
  TSkinData data(nullptr);
  TMemoryStream stream(file);
  data.LoadFromStream(stream);
  for (auto _ : state) {
    benchmark::DoNotOptimize(ComposeSkinPreview(data, {800, 600, true, "KOVA"}));
  }
}
BENCHMARK(BM_ComposeFramePreview)->Unit(benchmark::kMillisecond);

// The region of an 800 x 600 window's frame as the window builds it: see-through
// strips composed and scanned for their opaque runs.
void BM_FrameRegionRuns(benchmark::State& state) {
  const std::vector<uint8_t> file = ProductSkinFile();
  TSkinData data(nullptr);
  TMemoryStream stream(file);
  data.LoadFromStream(stream);
  for (TDataSkinBorder* border :
       {data.Left.get(), data.Right.get(), data.Top.get(), data.Bottom.get()}) {
    border->Trans = 1;  // every strip cut to its pixels, the slowest case
  }
  const FrameWidths frame = FrameWidthsOf(data, SkinBorderStyle::kSizable, 0);
  struct CountingSink final : RegionSink {
    void Unite(std::span<const ImageRect> rects) override { count += rects.size(); }
    std::size_t count = 0;
  };
  std::size_t rects = 0;
  for (auto _ : state) {
    CountingSink sink;
    for (const FrameRegionPart& part :
         PlanFrameRegion(data, frame, SkinBorderStyle::kSizable, 800, 600)) {
      if (!part.rendered) {
        continue;
      }
      const TDataSkinObject& border = *BorderObject(data, *part.rendered);
      const TBitmap strip =
          ComposeBorderStrip(border, *part.rendered, part.rect.right - part.rect.left,
                             part.rect.bottom - part.rect.top, true);
      BitmapToRegionRuns(strip, part.rect.left, part.rect.top, kTransparentKey, kFrameKeyTolerance,
                         sink);
    }
    rects = sink.count;
    benchmark::DoNotOptimize(rects);
  }
  state.SetLabel(std::to_string(rects) + " rectangles");
}
BENCHMARK(BM_FrameRegionRuns)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kova
