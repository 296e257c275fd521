// The product's skin for tests: its committed INI description packed with the images
// the sample tool draws, as the build makes KOVASkin.skn.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "../skin_model/skin_fixture.h"
#include "kova-skin-sample/sample_skin_images.h"

namespace kova::testing {

inline SkinSource ProductSkin() {
  const char* root = std::getenv("KOVA_SOURCE_DIR");
  const std::filesystem::path ini_path =
      std::filesystem::path(root != nullptr ? root : ".") / "host/sample-install/skin/KOVASkin.ini";
  std::ifstream file(ini_path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return {text.str(), SampleSkinImages()};
}

}  // namespace kova::testing
