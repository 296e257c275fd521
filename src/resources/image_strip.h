// A strip of same-sized images that accepts pictures one at a time, as a button's state
// images are filled.
#pragma once

#include "forms/graphics/graphic.h"
#include "forms/graphics/image_list.h"

namespace kova {

class ImageStrip {
 public:
  virtual ~ImageStrip() = default;
  // Stores a copy of image as the next image of the strip.
  virtual void AddImage(const TGraphic& image) = 0;
  virtual int ImageWidth() const = 0;
  virtual int ImageHeight() const = 0;
};

// The framework's image list seen as a strip.
class ImageListStrip final : public ImageStrip {
 public:
  explicit ImageListStrip(TImageList& list) : list_(list) {}
  void AddImage(const TGraphic& image) override { list_.Add(&image); }
  int ImageWidth() const override { return list_.Width(); }
  int ImageHeight() const override { return list_.Height(); }

 private:
  TImageList& list_;
};

}  // namespace kova
