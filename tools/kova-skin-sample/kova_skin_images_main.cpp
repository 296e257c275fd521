// kova-skin-images: lays out the sources of the product's skin (its INI description and
// the images drawn by SampleSkinImages) in one folder, ready for `kova-skin pack`.
#include <filesystem>
#include <iostream>
#include <string>

#include "kova-skin-sample/sample_skin_images.h"

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  if (argc != 4 || std::string(argv[2]) != "-o") {
    std::cerr << "usage: kova-skin-images SKIN.ini -o DIR\n"
                 "writes SKIN.ini and the images it names into DIR\n";
    return 2;
  }
  const fs::path ini = argv[1];
  const fs::path dir = argv[3];
  std::error_code ec;
  fs::create_directories(dir, ec);
  fs::copy_file(ini, dir / ini.filename(), fs::copy_options::overwrite_existing, ec);
  if (ec) {
    std::cerr << "kova-skin-images: " << ini.string() << ": " << ec.message() << "\n";
    return 2;
  }
  try {
    for (const auto& [name, bitmap] : kova::SampleSkinImages()) {
      bitmap.SaveToFile(dir / name);
    }
  } catch (const std::exception& e) {
    std::cerr << "kova-skin-images: " << e.what() << "\n";
    return 2;
  }
  return 0;
}
