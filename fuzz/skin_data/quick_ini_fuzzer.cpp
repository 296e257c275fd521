// Parses arbitrary bytes as INI text and asks for every section and key it found.
#include <cstdint>
#include <vector>

#include "skin/data/quick_ini.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kova::TMemoryStream stream(std::vector<uint8_t>(data, data + size));
  kova::TQuickIni ini;
  ini.LoadFromStream(&stream);
  kova::TStringList sections;
  ini.ReadSections(&sections);
  for (int s = 0; s < sections.Count() && s < 64; ++s) {
    kova::TStringList keys;
    ini.ReadSection(sections.Get(s), &keys);
    ini.ReadSectionValues(sections.Get(s), &keys);
    for (int k = 0; k < keys.Count() && k < 64; ++k) {
      ini.ReadString(sections.Get(s), keys.Get(k), u"");
      ini.ReadInteger(sections.Get(s), keys.Get(k), 0);
    }
  }
  kova::TMemoryStream saved;
  ini.SaveToStream(saved);
  return 0;
}
