// The product's interface images, drawn from code in the dialogs' look: a dark body
// RGB(73,72,72), white text and the link blue RGB(59,197,255) as the accent.
#pragma once

#include <string>
#include <vector>

#include "kova-resource-images/image_files.h"

namespace kova::images {

struct ImageFile {
  std::string name;  // file name the resource scripts refer to
  Bytes bytes;
};

// The PNG and GIF files of KOVAResources.dll.
std::vector<ImageFile> ResourceLibraryImages();

// The icon and bitmaps of KOVAMsg.dll: "kova.ico", "kestrelmenu.bmp", "track.bmp",
// "trackvert.bmp".
std::vector<ImageFile> FrameModuleImages();

}  // namespace kova::images
