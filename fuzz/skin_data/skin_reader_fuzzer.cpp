// Loads arbitrary bytes as a skin file, both as given and compressed as the archive
// itself (so the fuzzer reaches the directory checks quickly), then reads every entry.
#include <cstdint>
#include <vector>

#include "skin/data/lzh.h"
#include "skin/data/skin_message.h"
#include "skin/data/skin_reader.h"

namespace {

void Quiet(const kova::WideString&) {}

void Exercise(std::vector<uint8_t> file) {
  kova::TMemoryStream source(std::move(file));
  kova::TSkinReader reader;
  if (!reader.Loadfromstream(source)) {
    return;
  }
  kova::TMemoryStream entry;
  for (const std::string& name : reader.FileList()) {
    reader.readfile(name, entry);
    kova::TBitmap bitmap;
    kova::ReadSkinBitmap(reader, name, bitmap);
  }
  std::string ini_name;
  reader.readIni(".ini", entry, ini_name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kova::SetSkinMessageHook(&Quiet);
  Exercise(std::vector<uint8_t>(data, data + size));
  if (size <= 64 * 1024) {
    Exercise(kova::CompressBytes({data, size}));
  }
  return 0;
}
