// LZH pack and unpack throughput on data that looks like a skin (BMP images and INI
// text), unpacking the product's own skin file, and reading a whole skin file of about
// 300 KiB. "peak_bytes" is the most memory one operation held at once.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "allocation_counter.h"
#include "product_skin_file.h"
#include "forms/graphics/bitmap.h"
#include "skin/data/lzh.h"
#include "skin/data/skin_reader.h"
#include "skin/data/skin_writer.h"

namespace kova {
namespace {

// A skin-like image: gradients, flat areas, a frame and some noise, like the state
// strips of buttons and borders.
std::vector<uint8_t> SkinBitmap(int width, int height, unsigned seed) {
  std::mt19937 random(seed);
  TBitmap bitmap(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      TColor color = (x % 40 < 2 || y < 2) ? 0xFF00FF : (y * 255 / height) << 8 | (x * 3 % 256);
      if (random() % 16 == 0) {
        color ^= static_cast<TColor>(random() % 8);
      }
      bitmap.SetPixel(x, y, color);
    }
  }
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  return stream.Data();
}

std::vector<uint8_t> SkinIni(size_t size) {
  std::string text;
  for (int section = 0; text.size() < size; ++section) {
    text += "[Object" + std::to_string(section) + "]\r\nImage=object" + std::to_string(section) +
            ".bmp\r\nLeftWidth=4\r\nRightWidth=4\r\nTopHeight=3\r\nFrame=4\r\n"
            "NormalColour=0x00404040\r\nMouseOverColour=$00FF8000\r\n\r\n";
  }
  text.resize(size);
  return {text.begin(), text.end()};
}

std::vector<SkinEntry> SkinEntries(size_t total) {
  std::vector<SkinEntry> entries = {{"skin.ini", SkinIni(total / 16)}};
  size_t size = entries[0].data.size();
  for (unsigned i = 0; size < total; ++i) {
    entries.push_back({"image" + std::to_string(i) + ".bmp", SkinBitmap(160, 40 + i % 5 * 10, i)});
    size += entries.back().data.size();
  }
  return entries;
}

std::vector<uint8_t> Corpus(size_t size) {
  std::vector<uint8_t> data;
  for (const SkinEntry& entry : SkinEntries(size)) {
    data.insert(data.end(), entry.data.begin(), entry.data.end());
  }
  data.resize(size);
  return data;
}

// Runs `operation` once per iteration and reports the largest peak of memory held.
template <typename Operation>
void MeasuredLoop(benchmark::State& state, Operation&& operation) {
  size_t peak = 0;
  for (auto _ : state) {
    bench::ResetPeakAllocation();
    operation();
    peak = std::max(peak, bench::PeakAllocation());
  }
  state.counters["peak_bytes"] = static_cast<double>(peak);
}

void BM_LzhPack(benchmark::State& state) {
  const std::vector<uint8_t> corpus = Corpus(1 << 20);
  MeasuredLoop(state, [&] { benchmark::DoNotOptimize(CompressBytes(corpus)); });
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(corpus.size()));
}
BENCHMARK(BM_LzhPack)->Unit(benchmark::kMillisecond);

void BM_LzhUnpack(benchmark::State& state) {
  const std::vector<uint8_t> corpus = Corpus(1 << 20);
  const std::vector<uint8_t> packed = CompressBytes(corpus);
  MeasuredLoop(state, [&] {
    std::vector<uint8_t> unpacked;
    DecompressBytes(packed, unpacked);
    benchmark::DoNotOptimize(unpacked.data());
  });
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(corpus.size()));
}
BENCHMARK(BM_LzhUnpack)->Unit(benchmark::kMillisecond);

// The product's skin file, unpacked as a dialog opens it: the archive is one stream.
void BM_LzhUnpackProductSkin(benchmark::State& state) {
  const std::vector<uint8_t> file = ProductSkinFile();
  size_t unpacked_size = 0;
  MeasuredLoop(state, [&] {
    std::vector<uint8_t> unpacked;
    DecompressBytes(file, unpacked);
    unpacked_size = unpacked.size();
    benchmark::DoNotOptimize(unpacked.data());
  });
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(unpacked_size));
  state.counters["file_bytes"] = static_cast<double>(file.size());
  state.counters["unpacked_bytes"] = static_cast<double>(unpacked_size);
}
BENCHMARK(BM_LzhUnpackProductSkin)->Unit(benchmark::kMicrosecond);

void BM_ReadSkinFile300K(benchmark::State& state) {
  const std::vector<uint8_t> file = MakeSkinFile(SkinEntries(300 << 10), 70000);
  bool read = true;
  MeasuredLoop(state, [&] {
    TMemoryStream source(file);
    TSkinReader reader;
    if (!reader.Loadfromstream(source)) {
      read = false;
      return;
    }
    TMemoryStream entry;
    for (const std::string& name : reader.FileList()) {
      reader.readfile(name, entry);
    }
    benchmark::DoNotOptimize(entry.Memory());
  });
  if (!read) {
    state.SkipWithError("skin file not read");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(file.size()));
  state.counters["file_bytes"] = static_cast<double>(file.size());
}
BENCHMARK(BM_ReadSkinFile300K)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kova
