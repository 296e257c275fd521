// Store and load throughput of the records the dialogs exchange with the service.
#include <benchmark/benchmark.h>

#include <string>

#include "serial/auto_ptr.h"
#include "serial/messages/msg_config.h"
#include "serial/object_list.h"
#include "serial/simple_serializable.h"
#include "serial/value_io.h"

namespace kova {
namespace {

CAutoTarnPtr<CMsgConfig> LargeConfig() {
  CAutoTarnPtr<CMsgConfig> config(new CMsgConfig());
  for (TarnULong key = 0; key < 10000; ++key)
    config->SetSetting(key, key % 7, u"setting value " + Utf8ToWide(std::to_string(key)));
  for (TarnULong key = 0; key < 100; ++key) {
    CAutoTarnPtr<CSimpleString> object(
        new CSimpleString(u"object " + Utf8ToWide(std::to_string(key))));
    config->SetObject(key, key, object.get());
  }
  return config;
}

CAutoTarnPtr<CTarnSerializableList> LargeStringList() {
  CAutoTarnPtr<CTarnSerializableList> list(new CTarnSerializableList());
  for (int i = 0; i < 10000; ++i) {
    CAutoTarnPtr<CSimpleString> item(
        new CSimpleString(u"list element " + Utf8ToWide(std::to_string(i))));
    list->Add(item.get());
  }
  return list;
}

void Store(benchmark::State& state, ITarnSerializable* object) {
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string flat = TarnStoreToBytes(object);
    bytes = flat.size();
    benchmark::DoNotOptimize(flat.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void Load(benchmark::State& state, ITarnSerializable* object) {
  const std::string flat = TarnStoreToBytes(object);
  for (auto _ : state) {
    CTarnArchiveStream archive(flat.data(), static_cast<TarnULong>(flat.size()));
    archive.OpenForRead();
    CAutoTarnPtr<ITarnSerializable> loaded(TarnReadObject(archive));
    benchmark::DoNotOptimize(loaded.get());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * flat.size()));
}

void BM_StoreConfig(benchmark::State& state) {
  auto config = LargeConfig();
  Store(state, config.get());
}
void BM_LoadConfig(benchmark::State& state) {
  auto config = LargeConfig();
  Load(state, config.get());
}
void BM_StoreStringList(benchmark::State& state) {
  auto list = LargeStringList();
  Store(state, list.get());
}
void BM_LoadStringList(benchmark::State& state) {
  auto list = LargeStringList();
  Load(state, list.get());
}

BENCHMARK(BM_StoreConfig);
BENCHMARK(BM_LoadConfig);
BENCHMARK(BM_StoreStringList);
BENCHMARK(BM_LoadStringList);

}  // namespace
}  // namespace kova
