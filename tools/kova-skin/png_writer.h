// Writing a bitmap as a PNG file through libpng.
#pragma once

#include <filesystem>
#include <string>

#include "forms/graphics/bitmap.h"

namespace kova {

// Answers false with a reason in `error` when the file cannot be written.
bool WritePng(const TBitmap& bitmap, const std::filesystem::path& path, std::string& error);

}  // namespace kova
