#include "kova-resource-images/image_files.h"

#include <gif_lib.h>
#include <png.h>

#include <cstring>
#include <memory>
#include <string>

#include "base/streams.h"
#include "forms/graphics/bitmap.h"

namespace kova::images {

namespace {

void PutLe(Bytes& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    out.push_back(static_cast<uint8_t>(value >> (8 * i)));
  }
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    EGifCloseFile(gif, &error);
  }
};

int AppendGifBytes(GifFileType* gif, const GifByteType* data, int length) {
  auto* out = static_cast<Bytes*>(gif->UserData);
  out->insert(out->end(), data, data + length);
  return length;
}

void Check(int gif_status, const char* what) {
  if (gif_status != GIF_OK) {
    throw EncodeError(std::string("GIF encoder: ") + what);
  }
}

}  // namespace

Bytes EncodePng(const Raster& raster) {
  Bytes rgba;
  rgba.reserve(static_cast<size_t>(raster.Width()) * raster.Height() * 4);
  for (int y = 0; y < raster.Height(); ++y) {
    for (int x = 0; x < raster.Width(); ++x) {
      const Rgba p = raster.At(x, y);
      rgba.insert(rgba.end(), {p.r, p.g, p.b, p.a});
    }
  }
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(raster.Width());
  image.height = static_cast<png_uint_32>(raster.Height());
  image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgba.data(), 0, nullptr)) {
    throw EncodeError(std::string("PNG encoder: ") + image.message);
  }
  Bytes out(size);
  if (!png_image_write_to_memory(&image, out.data(), &size, 0, rgba.data(), 0, nullptr)) {
    throw EncodeError(std::string("PNG encoder: ") + image.message);
  }
  out.resize(size);
  return out;
}

Bytes EncodeBmp(const Raster& raster, Rgba background) {
  TBitmap bitmap(raster.Width(), raster.Height(), PixelFormat::k24Bit);
  for (int y = 0; y < raster.Height(); ++y) {
    for (int x = 0; x < raster.Width(); ++x) {
      Raster pixel(1, 1, background);
      pixel.Blend(0, 0, raster.At(x, y), 1.0);
      const Rgba p = pixel.At(0, 0);
      bitmap.SetPixel(x, y, p.r | (p.g << 8) | (p.b << 16));
    }
  }
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  const auto* data = static_cast<const uint8_t*>(stream.Memory());
  return Bytes(data, data + stream.Size());
}

Bytes EncodeIcon(const std::vector<Raster>& sizes) {
  Bytes header;
  PutLe(header, 0, 2);  // reserved
  PutLe(header, 1, 2);  // icon
  PutLe(header, static_cast<uint32_t>(sizes.size()), 2);
  Bytes images;
  uint32_t offset = 6 + 16 * static_cast<uint32_t>(sizes.size());
  for (const Raster& r : sizes) {
    const int w = r.Width();
    const int h = r.Height();
    const int mask_stride = ((w + 31) / 32) * 4;
    Bytes image;
    // BITMAPINFOHEADER; the height counts the colour rows and the mask rows.
    PutLe(image, 40, 4);
    PutLe(image, static_cast<uint32_t>(w), 4);
    PutLe(image, static_cast<uint32_t>(h * 2), 4);
    PutLe(image, 1, 2);
    PutLe(image, 32, 2);
    PutLe(image, 0, 4);
    PutLe(image, 0, 4);
    PutLe(image, 0, 4);
    PutLe(image, 0, 4);
    PutLe(image, 0, 4);
    PutLe(image, 0, 4);
    for (int y = h - 1; y >= 0; --y) {
      for (int x = 0; x < w; ++x) {
        const Rgba p = r.At(x, y);
        image.insert(image.end(), {p.b, p.g, p.r, p.a});
      }
    }
    for (int y = h - 1; y >= 0; --y) {
      Bytes row(mask_stride, 0);
      for (int x = 0; x < w; ++x) {
        if (r.At(x, y).a == 0) {
          row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        }
      }
      image.insert(image.end(), row.begin(), row.end());
    }
    header.push_back(static_cast<uint8_t>(w >= 256 ? 0 : w));
    header.push_back(static_cast<uint8_t>(h >= 256 ? 0 : h));
    header.push_back(0);  // no palette
    header.push_back(0);
    PutLe(header, 1, 2);   // planes
    PutLe(header, 32, 2);  // bits per pixel
    PutLe(header, static_cast<uint32_t>(image.size()), 4);
    PutLe(header, offset, 4);
    offset += static_cast<uint32_t>(image.size());
    images.insert(images.end(), image.begin(), image.end());
  }
  header.insert(header.end(), images.begin(), images.end());
  return header;
}

Bytes EncodeGif(const GifAnimation& animation) {
  if (animation.palette.empty() || animation.palette.size() > 256) {
    throw EncodeError("GIF encoder: a palette needs 1 to 256 colours");
  }
  Bytes out;
  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&out, AppendGifBytes, &error));
  if (!gif) {
    throw EncodeError("GIF encoder: cannot start");
  }
  int map_size = 2;
  while (map_size < static_cast<int>(animation.palette.size())) {
    map_size *= 2;
  }
  std::vector<GifColorType> colours(map_size);
  for (size_t i = 0; i < animation.palette.size(); ++i) {
    colours[i] =
        GifColorType{animation.palette[i].r, animation.palette[i].g, animation.palette[i].b};
  }
  ColorMapObject* map = GifMakeMapObject(map_size, colours.data());
  if (map == nullptr) {
    throw EncodeError("GIF encoder: out of memory");
  }
  EGifSetGifVersion(gif.get(), true);
  const int screen_status =
      EGifPutScreenDesc(gif.get(), animation.width, animation.height, 8, 0, map);
  GifFreeMapObject(map);
  Check(screen_status, "screen");

  // Loop for ever.
  static const GifByteType kLoopApp[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
  static const GifByteType kLoopForever[] = {1, 0, 0};
  Check(EGifPutExtensionLeader(gif.get(), APPLICATION_EXT_FUNC_CODE), "loop");
  Check(EGifPutExtensionBlock(gif.get(), sizeof kLoopApp, kLoopApp), "loop");
  Check(EGifPutExtensionBlock(gif.get(), sizeof kLoopForever, kLoopForever), "loop");
  Check(EGifPutExtensionTrailer(gif.get()), "loop");

  for (const auto& frame : animation.frames) {
    if (frame.size() != static_cast<size_t>(animation.width) * animation.height) {
      throw EncodeError("GIF encoder: frame of the wrong size");
    }
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_BACKGROUND;
    control.DelayTime = animation.delay_ms / 10;
    control.TransparentColor = animation.transparent_index;
    GifByteType extension[4];
    const size_t length = EGifGCBToExtension(&control, extension);
    Check(EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension),
          "frame control");
    Check(EGifPutImageDesc(gif.get(), 0, 0, animation.width, animation.height, false, nullptr),
          "frame");
    for (int y = 0; y < animation.height; ++y) {
      auto* row =
          const_cast<GifPixelType*>(frame.data() + static_cast<size_t>(y) * animation.width);
      Check(EGifPutLine(gif.get(), row, animation.width), "frame rows");
    }
  }
  GifFileType* raw = gif.release();
  if (EGifCloseFile(raw, &error) != GIF_OK) {
    throw EncodeError("GIF encoder: cannot finish");
  }
  return out;
}

}  // namespace kova::images
