// The images of the product's skin, drawn from code so that the skin file is made
// reproducibly from committed sources: the dark frame whose title bar matches the
// dialogs' RGB(73,72,72) body, and every control image the skin describes.
#pragma once

#include <map>
#include <string>

#include "forms/graphics/bitmap.h"

namespace kova {

// File name (as the INI names it) to image.
std::map<std::string, TBitmap> SampleSkinImages();

}  // namespace kova
