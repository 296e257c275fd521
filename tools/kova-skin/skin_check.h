// The checks of `kova-skin check`: what a skin author needs to know before shipping a
// skin file.
#pragma once

#include <string>
#include <vector>

#include "skin/data/skin_reader.h"

namespace kova {

struct SkinProblem {
  std::string where;  // "Section/Key", an entry name, or empty for the whole file
  std::string what;
};

// Checks a loaded skin: an INI entry exists; every image value of the INI names an
// entry that exists, with the lower-case ".bmp" extension; every BMP entry decodes.
std::vector<SkinProblem> CheckSkin(const TSkinReader& reader);

}  // namespace kova
