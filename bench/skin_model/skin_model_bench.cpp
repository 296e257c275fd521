// Time to turn the product's skin file into a complete model: decompress the archive,
// parse the INI description, decode every image and derive the composed ones.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "kova-skin-sample/sample_skin_images.h"
#include "skin/data/skin_data.h"
#include "skin/apply/skin_preview.h"
#include "skin/data/skin_writer.h"

namespace kova {
namespace {

std::vector<uint8_t> ProductSkinFile() {
  const char* root = std::getenv("KOVA_SOURCE_DIR");
  std::ifstream file(std::filesystem::path(root != nullptr ? root : KOVA_SOURCE_DIR_DEFAULT) /
                         "host/sample-install/skin/KOVASkin.ini",
                     std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  const std::string ini = text.str();
  std::vector<SkinEntry> entries{{"KOVASkin.ini", {ini.begin(), ini.end()}}};
  for (const auto& [name, bitmap] : SampleSkinImages()) {
    TMemoryStream bmp;
    bitmap.SaveToStream(bmp);
    entries.push_back({name, bmp.Data()});
  }
  return MakeSkinFile(entries, 70000);
}

void BM_LoadProductSkin(benchmark::State& state) {
  const std::vector<uint8_t> file = ProductSkinFile();
  for (auto _ : state) {
    TSkinData data(nullptr);
    TMemoryStream stream(file);
    data.LoadFromStream(stream);
    benchmark::DoNotOptimize(data.ComboxArrow.get());
  }
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

}  // namespace
}  // namespace kova
