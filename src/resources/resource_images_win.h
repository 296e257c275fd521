// Pictures from the PNG and GIF resources of a module (the product's resource library).
#pragma once

#include <windows.h>

#include <memory>
#include <stdexcept>

#include "base/text.h"
#include "forms/controls/extctrls.h"
#include "forms/graphics/gif_image.h"
#include "forms/graphics/png_image.h"
#include "resources/image_strip.h"

namespace kova {

// The module has no resource of that identifier and type.
class EResourceNotFound : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The resource exists but its bytes are not a picture of the expected kind.
class EInvalidGraphic : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Decode resource `id` of `type` ("PNG", "GIF") of module; the caller owns the picture.
// Raise EResourceNotFound or EInvalidGraphic.
std::unique_ptr<TPngImage> LoadPngResource(HMODULE module, int id, const WideString& type);
std::unique_ptr<TGIFImage> LoadGifResource(HMODULE module, int id, const WideString& type);

// Show PNG (GIF) resource `id` in image; the picture keeps a copy. Answer 1; raise as
// the loaders do.
int SetImagePng(TImage& image, HMODULE module, int id);
int SetImageGif(TImage& image, HMODULE module, int id, bool animate);

// Add PNG resource `id` to the strip; when it cannot be loaded, an empty bitmap of the
// strip's image size takes its place, so state images keep their positions. Never
// raises.
void AddPngToStrip(ImageStrip& strip, HMODULE module, int id);

}  // namespace kova
