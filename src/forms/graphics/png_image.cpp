#include "forms/graphics/png_image.h"

#include <png.h>

#include <cstring>
#include <vector>

namespace kova {

namespace {

std::vector<uint8_t> ReadRest(TStream& stream) {
  const int64_t remaining = std::max<int64_t>(stream.Size() - stream.Position(), 0);
  std::vector<uint8_t> bytes(static_cast<size_t>(remaining));
  const int64_t got = stream.Read(bytes.data(), remaining);
  bytes.resize(static_cast<size_t>(std::max<int64_t>(got, 0)));
  return bytes;
}

}  // namespace

const ClassInfo& TPngImage::StaticClass() {
  static const ClassInfo info("TPngImage", &TGraphic::StaticClass(), {});
  return info;
}

bool TPngImage::LoadFromStream(TStream& stream) {
  pixels_.Clear();
  has_alpha_ = false;
  const std::vector<uint8_t> bytes = ReadRest(stream);

  png_image image;
  std::memset(&image, 0, sizeof(image));
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
    Changed();
    return false;
  }
  const int width = static_cast<int>(image.width);
  const int height = static_cast<int>(image.height);
  if (image.width > kMaxSide || image.height > kMaxSide ||
      !TBitmap::SizeAllowed(width, height, PixelFormat::k32Bit)) {
    png_image_free(&image);
    Changed();
    return false;
  }
  image.format = PNG_FORMAT_BGRA;
  TBitmap pixels(width, height, PixelFormat::k32Bit);
  if (pixels.Empty() ||
      !png_image_finish_read(&image, nullptr, pixels.ScanLine(0), pixels.Stride(), nullptr)) {
    png_image_free(&image);
    Changed();
    return false;
  }
  bool alpha = false;
  for (int y = 0; y < height && !alpha; ++y) {
    const uint8_t* row = pixels.ScanLine(y);
    for (int x = 0; x < width; ++x) {
      if (row[x * 4 + 3] != 0xFF) {
        alpha = true;
        break;
      }
    }
  }
  pixels_ = std::move(pixels);
  has_alpha_ = alpha;
  Changed();
  return true;
}

std::unique_ptr<TGraphic> TPngImage::Clone() const {
  auto copy = std::make_unique<TPngImage>();
  copy->pixels_ = pixels_;
  copy->has_alpha_ = has_alpha_;
  return copy;
}

void TPngImage::Assign(const TPersistent* source) {
  if (const auto* other = dynamic_cast<const TPngImage*>(source)) {
    pixels_ = other->pixels_;
    has_alpha_ = other->has_alpha_;
    Changed();
    return;
  }
  TGraphic::Assign(source);
}

}  // namespace kova
