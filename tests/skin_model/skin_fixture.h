// Skins made in memory for the model tests: an INI text and named images, packed into a
// real skin file and loaded through the component's stream loader.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "forms/graphics/bitmap.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_writer.h"

namespace kova::testing {

inline std::vector<uint8_t> Bmp(const TBitmap& bitmap) {
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  return stream.Data();
}

inline TBitmap Solid(int width, int height, TColor color) {
  TBitmap bitmap(width, height);
  bitmap.Fill(color);
  return bitmap;
}

struct SkinSource {
  std::string ini;
  std::map<std::string, TBitmap> images;

  std::vector<uint8_t> File() const {
    std::vector<SkinEntry> entries{{"skin.ini", {ini.begin(), ini.end()}}};
    for (const auto& [name, bitmap] : images) {
      entries.push_back({name, Bmp(bitmap)});
    }
    return MakeSkinFile(entries, 70000);
  }
};

inline void Load(TSkinData& data, const SkinSource& source) {
  TMemoryStream stream(source.File());
  data.LoadFromStream(stream);
}

}  // namespace kova::testing
