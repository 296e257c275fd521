#include "kova-skin/png_writer.h"

#include <png.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace kova {

bool WritePng(const TBitmap& bitmap, const std::filesystem::path& path, std::string& error) {
  if (bitmap.Empty()) {
    error = "nothing to write";
    return false;
  }
  const int w = bitmap.Width();
  const int h = bitmap.Height();
  const int bpp = bitmap.BytesPerPixel();
  // Tightly packed red, green, blue rows, as the simplified writer wants them.
  std::vector<uint8_t> rgb(static_cast<size_t>(w) * h * 3);
  for (int y = 0; y < h; ++y) {
    const uint8_t* row = bitmap.ScanLine(y);
    uint8_t* dst = rgb.data() + static_cast<size_t>(y) * w * 3;
    for (int x = 0; x < w; ++x) {
      dst[3 * x] = row[x * bpp + 2];
      dst[3 * x + 1] = row[x * bpp + 1];
      dst[3 * x + 2] = row[x * bpp];
    }
  }
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(w);
  image.height = static_cast<png_uint_32>(h);
  image.format = PNG_FORMAT_RGB;
  FILE* file = std::fopen(path.string().c_str(), "wb");
  if (file == nullptr) {
    error = "cannot create the file";
    return false;
  }
  const int ok = png_image_write_to_stdio(&image, file, 0, rgb.data(), 0, nullptr);
  const bool closed = std::fclose(file) == 0;
  if (!ok || !closed) {
    error = ok ? "cannot write the file" : image.message;
    png_image_free(&image);
    return false;
  }
  return true;
}

}  // namespace kova
