// The engine runs on every paint and on every mouse move over a label. These measure
// one call for the dialogs' longest label text on the fixed-metric canvas.
#include <benchmark/benchmark.h>

#include "htmltext/fixed_metric_canvas.h"
#include "htmltext/html_draw.h"
#include "htmltext/markup_text.h"

namespace {

// The firewall prompt's question with the product name, wrapped as the dialogs wrap it,
// and the uninstall confirmation with an anchor: the longest mark-up the dialogs show.
const char16_t kLongestText[] =
    u"\u00BFDeseas <b>activar ahora la protecci\u00F3n firewall</b> de KOVA Internet "
    u"Security?<BR />Se desactivar\u00E1 el firewall de Windows para evitar posibles "
    u"conflictos o problemas de rendimiento. <a href=\"#\">M\u00E1s informaci\u00F3n</a> "
    u"\u00BFEst\u00E1s seguro de que quieres desinstalar KOVA Internet Security y todos sus "
    u"componentes?";

kova::Font LabelFont() {
  kova::Font font;
  font.name = u"Verdana";
  font.size = 8;
  font.color = kova::Rgb(255, 255, 255);
  return font;
}

kova::HTMLDrawParams LabelParams() {
  kova::HTMLDrawParams params;
  params.rect = {0, 0, 389, 120};
  params.url_color = kova::Rgb(59, 197, 255);
  params.hover_font_color = kova::Rgb(255, 255, 255);
  return params;
}

// Mouse move: measure-only layout with a hit test on the anchor.
void BM_LayoutAndHitTest(benchmark::State& state) {
  kova::FixedMetricCanvas canvas(LabelFont());
  auto params = LabelParams();
  params.measure_only = true;
  params.test_point = kova::Point{40, 30};
  for (auto _ : state) {
    auto result = kova::HTMLDraw(canvas, kLongestText, params);
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(BM_LayoutAndHitTest)->Unit(benchmark::kMicrosecond);

// Paint: the same with every run drawn (recording off, so only the engine is timed).
void BM_Paint(benchmark::State& state) {
  kova::FixedMetricCanvas canvas(LabelFont());
  canvas.set_recording(false);
  auto params = LabelParams();
  params.hovered_anchor = 0;
  for (auto _ : state) {
    auto result = kova::HTMLDraw(canvas, kLongestText, params);
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(BM_Paint)->Unit(benchmark::kMicrosecond);

void BM_Strip(benchmark::State& state) {
  for (auto _ : state) {
    auto plain = kova::HTMLStrip(kLongestText);
    benchmark::DoNotOptimize(plain);
  }
}
BENCHMARK(BM_Strip)->Unit(benchmark::kMicrosecond);

}  // namespace
