#include "resources/resource_images_win.h"

#include <string>

#include "base/streams.h"
#include "forms/graphics/dib_bitmap.h"

namespace kova {

namespace {

std::string Describe(int id, const WideString& type) {
  return WideToUtf8(type) + " resource " + std::to_string(id);
}

// Reads the resource's bytes into a stream and decodes them into a new Graphic.
template <typename Graphic>
std::unique_ptr<Graphic> LoadResourceGraphic(HMODULE module, int id, const WideString& type) {
  HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(id), AsWin(type));
  if (info == nullptr) {
    throw EResourceNotFound(Describe(id, type) + " not found");
  }
  // Resource memory belongs to the module and needs no freeing.
  HGLOBAL data = LoadResource(module, info);
  const void* bytes = data ? LockResource(data) : nullptr;
  const DWORD size = SizeofResource(module, info);
  if (bytes == nullptr) {
    throw EResourceNotFound(Describe(id, type) + " cannot be loaded");
  }
  TMemoryStream stream;
  stream.Write(bytes, size);
  stream.SetPosition(0);
  auto graphic = std::make_unique<Graphic>();
  if (!graphic->LoadFromStream(stream)) {
    throw EInvalidGraphic(Describe(id, type) + " is not a valid picture");
  }
  return graphic;
}

}  // namespace

std::unique_ptr<TPngImage> LoadPngResource(HMODULE module, int id, const WideString& type) {
  return LoadResourceGraphic<TPngImage>(module, id, type);
}

std::unique_ptr<TGIFImage> LoadGifResource(HMODULE module, int id, const WideString& type) {
  return LoadResourceGraphic<TGIFImage>(module, id, type);
}

int SetImagePng(TImage& image, HMODULE module, int id) {
  const auto png = LoadPngResource(module, id, u"PNG");
  image.Picture().SetGraphic(png.get());
  return 1;
}

int SetImageGif(TImage& image, HMODULE module, int id, bool animate) {
  const auto gif = LoadGifResource(module, id, u"GIF");
  gif->SetAnimate(animate);
  image.Picture().SetGraphic(gif.get());
  return 1;
}

void AddPngToStrip(ImageStrip& strip, HMODULE module, int id) {
  std::unique_ptr<TGraphic> picture;
  try {
    picture = LoadPngResource(module, id, u"PNG");
  } catch (const std::runtime_error&) {
    // A missing or broken image leaves a blank slot instead of failing the dialog.
  }
  if (picture) {
    strip.AddImage(*picture);
    return;
  }
  TDibBitmap blank(strip.ImageWidth(), strip.ImageHeight());
  strip.AddImage(blank);
}

}  // namespace kova
