// TPngImage: a PNG picture decoded by libpng into 32-bit blue-green-red-alpha pixels.
#pragma once

#include "forms/graphics/bitmap.h"
#include "forms/graphics/graphic.h"

namespace kova {

class TPngImage : public TGraphic {
  KOVA_DECLARE_CLASS(TPngImage)

 public:
  TPngImage() = default;

  int Width() const override { return pixels_.Width(); }
  int Height() const override { return pixels_.Height(); }
  bool Transparent() const override { return has_alpha_; }
  bool LoadFromStream(TStream& stream) override;
  std::unique_ptr<TGraphic> Clone() const override;
  void Assign(const TPersistent* source) override;
#ifdef _WIN32
  void Draw(HDC dc, const RECT& rect) const override;
#endif

  // Straight (not premultiplied) alpha in the fourth byte.
  const TBitmap& Pixels() const {
    return pixels_;
  }
  // Whether any pixel is not fully opaque.
  bool HasAlpha() const {
    return has_alpha_;
  }

  // Largest picture accepted, in pixels per side; larger files are refused.
  static constexpr int kMaxSide = 8192;

 private:
  TBitmap pixels_;
  bool has_alpha_ = false;
};

}  // namespace kova
