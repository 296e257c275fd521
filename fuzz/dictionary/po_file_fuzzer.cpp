// Translators' PO files: any text must parse or give a located error, and whatever
// parses must survive the trip through a dictionary file.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "i18n/dictionary_file.h"
#include "kova-dict/po_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const kova::PoParseResult result =
      kova::ParsePo(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!result.ok()) {
    if (result.errors.front().line == 0 || result.errors.front().message.empty()) {
      __builtin_trap();
    }
    return 0;
  }
  const auto file = kova::DictionaryFile::Parse(kova::WriteDictionary(result.catalog.entries));
  if (!file) {
    __builtin_trap();
  }
  for (const kova::DictionaryEntry& entry : result.catalog.entries) {
    if (file->Find(entry.key) != kova::WideStringView(entry.value)) {
      __builtin_trap();
    }
  }
  return 0;
}
