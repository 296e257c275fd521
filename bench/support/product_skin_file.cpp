#include "product_skin_file.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "kova-skin-sample/sample_skin_images.h"
#include "base/streams.h"
#include "skin/data/skin_writer.h"

namespace kova {

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

}  // namespace kova
