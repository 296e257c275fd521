// Dictionary look-ups happen once per dialog text; loading happens once per start.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "i18n/dictionary_file.h"

namespace kova {
namespace {

std::vector<DictionaryEntry> MakeEntries(int count) {
  std::vector<DictionaryEntry> entries;
  entries.reserve(count);
  for (int i = 0; i < count; ++i) {
    entries.push_back(
        {Utf8ToWide("¿Deseas <b>activar</b> la opción " + std::to_string(i) + " de %s?"),
         Utf8ToWide("Do you want to <b>turn on</b> option " + std::to_string(i) + " of %s?")});
  }
  return entries;
}

void BM_FindHit(benchmark::State& state) {
  const auto entries = MakeEntries(static_cast<int>(state.range(0)));
  const auto file = DictionaryFile::Parse(WriteDictionary(entries));
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(file->Find(entries[i].key));
    i = (i + 7919) % entries.size();
  }
}
BENCHMARK(BM_FindHit)->Arg(16)->Arg(1000)->Arg(100000);

void BM_FindMiss(benchmark::State& state) {
  const auto file = DictionaryFile::Parse(WriteDictionary(MakeEntries(state.range(0))));
  const WideString missing = u"Texto que no está en el diccionario %s";
  for (auto _ : state) {
    benchmark::DoNotOptimize(file->Find(missing));
  }
}
BENCHMARK(BM_FindMiss)->Arg(16)->Arg(100000);

void BM_ParseAndValidate(benchmark::State& state) {
  const auto bytes = WriteDictionary(MakeEntries(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    benchmark::DoNotOptimize(DictionaryFile::Parse(bytes));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ParseAndValidate)->Arg(16)->Arg(10000);

}  // namespace
}  // namespace kova
