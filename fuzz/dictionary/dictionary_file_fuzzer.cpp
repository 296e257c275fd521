// Dictionary files come from the installation's language folder: any bytes must be
// refused or read, never crash, and a file that is accepted must answer lookups.
#include <cstddef>
#include <cstdint>
#include <span>

#include "i18n/dictionary_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto file = kova::DictionaryFile::Parse(std::span(data, size));
  if (!file) {
    return 0;
  }
  for (const kova::DictionaryEntry& entry : file->Entries()) {
    const auto found = file->Find(entry.key);
    if (!found) {
      __builtin_trap();  // an accepted entry must be found under its own key
    }
  }
  file->Find(u"Desinstalación de %s");
  return 0;
}
