#include "image_fixtures.h"

#include <gif_lib.h>
#include <png.h>

#include <cstring>
#include <stdexcept>

namespace kova::testing {

std::vector<uint8_t> EncodePng(int width, int height, const std::vector<uint8_t>& rgba) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  png_image_write_to_memory(&image, nullptr, &size, 0, rgba.data(), 0, nullptr);
  std::vector<uint8_t> out(size);
  if (!png_image_write_to_memory(&image, out.data(), &size, 0, rgba.data(), 0, nullptr)) {
    throw std::runtime_error("png write failed");
  }
  out.resize(size);
  return out;
}

std::vector<uint8_t> MakeHalfTransparentPng(int width, int height) {
  std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * 4, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width / 2; ++x) {
      uint8_t* p = &rgba[(static_cast<size_t>(y) * width + x) * 4];
      p[0] = 255;
      p[3] = 255;
    }
  }
  return EncodePng(width, height, rgba);
}

std::vector<uint8_t> MakeSolidPng(int width, int height, uint8_t r, uint8_t g, uint8_t b) {
  std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * 4);
  for (size_t i = 0; i < rgba.size(); i += 4) {
    rgba[i] = r;
    rgba[i + 1] = g;
    rgba[i + 2] = b;
    rgba[i + 3] = 255;
  }
  return EncodePng(width, height, rgba);
}

namespace {
int WriteToVector(GifFileType* gif, const GifByteType* data, int length) {
  auto* out = static_cast<std::vector<uint8_t>*>(gif->UserData);
  out->insert(out->end(), data, data + length);
  return length;
}
}  // namespace

std::vector<uint8_t> MakeAnimatedGif(int size, int frames, int delay_cs) {
  std::vector<uint8_t> out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, WriteToVector, &error);
  if (gif == nullptr) {
    throw std::runtime_error("gif open failed");
  }
  GifColorType colors[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
  ColorMapObject* map = GifMakeMapObject(4, colors);
  EGifSetGifVersion(gif, true);
  EGifPutScreenDesc(gif, size, size, 2, 0, map);
  // Loop forever (the application extension browsers read).
  EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE);
  EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0");
  const unsigned char loop[3] = {1, 0, 0};
  EGifPutExtensionBlock(gif, 3, loop);
  EGifPutExtensionTrailer(gif);
  std::vector<GifPixelType> line(static_cast<size_t>(size));
  for (int f = 0; f < frames; ++f) {
    GraphicsControlBlock gcb{};
    gcb.DelayTime = delay_cs;
    gcb.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType ext[4];
    const size_t n = EGifGCBToExtension(&gcb, ext);
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(n), ext);
    EGifPutImageDesc(gif, 0, 0, size, size, false, nullptr);
    std::fill(line.begin(), line.end(), static_cast<GifPixelType>(f % 4));
    for (int y = 0; y < size; ++y) {
      EGifPutLine(gif, line.data(), size);
    }
  }
  GifFreeMapObject(map);
  EGifCloseFile(gif, &error);
  return out;
}

}  // namespace kova::testing
