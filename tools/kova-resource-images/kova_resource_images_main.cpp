// kova-resource-images: writes the product's interface images, the files that the
// resource scripts of KOVAResources.dll ("resources") and KOVAMsg.dll ("frame") embed.
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "kova-resource-images/product_images.h"

namespace {

int Usage() {
  std::cerr << "usage: kova-resource-images resources|frame -o DIR\n"
               "  resources  the PNG and GIF images of KOVAResources.dll\n"
               "  frame      the icon and bitmaps of KOVAMsg.dll\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    Usage();
    return 0;
  }
  if (argc != 4 || std::strcmp(argv[2], "-o") != 0) {
    return Usage();
  }
  const std::string set = argv[1];
  if (set != "resources" && set != "frame") {
    std::cerr << "kova-resource-images: unknown image set '" << set << "'\n";
    return Usage();
  }
  const fs::path dir = argv[3];
  try {
    const auto files = set == "resources" ? kova::images::ResourceLibraryImages()
                                          : kova::images::FrameModuleImages();
    fs::create_directories(dir);
    for (const auto& file : files) {
      std::ofstream out(dir / file.name, std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(file.bytes.data()),
                static_cast<std::streamsize>(file.bytes.size()));
      if (!out.flush()) {
        std::cerr << "kova-resource-images: cannot write " << (dir / file.name).string() << "\n";
        return 1;
      }
    }
  } catch (const std::exception& e) {
    std::cerr << "kova-resource-images: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
