// A small straight-alpha RGBA canvas with anti-aliased shape fills, enough to draw the
// product's interface images from code so they can be rebuilt at any time.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace kova::images {

struct Rgba {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  uint8_t a = 255;

  friend bool operator==(const Rgba&, const Rgba&) = default;
};

constexpr Rgba kTransparent{0, 0, 0, 0};

// Linear mix of two colours, t in [0, 1].
Rgba Mix(Rgba from, Rgba to, double t);

class Raster {
 public:
  Raster(int width, int height, Rgba fill = kTransparent);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgba At(int x, int y) const { return pixels_[Index(x, y)]; }
  void Set(int x, int y, Rgba colour);

  // Paints colour over the pixel with the given coverage (0..1), source over.
  void Blend(int x, int y, Rgba colour, double coverage);

  // Replaces the pixels of [left, right) x [top, bottom).
  void FillRect(int left, int top, int right, int bottom, Rgba colour);

  // Fills where `inside` holds for sample points in pixel space (pixel x covers
  // [x, x + 1)), 4 x 4 samples per pixel; `paint` gives the colour at a pixel.
  using Inside = std::function<bool(double x, double y)>;
  using Paint = std::function<Rgba(int x, int y)>;
  void FillShape(const Inside& inside, const Paint& paint);
  void FillShape(const Inside& inside, Rgba colour) {
    FillShape(inside, [colour](int, int) { return colour; });
  }

 private:
  int Index(int x, int y) const { return y * width_ + x; }

  int width_;
  int height_;
  std::vector<Rgba> pixels_;
};

// Shapes for FillShape.
Raster::Inside RoundRect(double left, double top, double right, double bottom, double radius);
Raster::Inside Circle(double cx, double cy, double radius);
// A segment of the given width with round ends.
Raster::Inside Stroke(double x0, double y0, double x1, double y1, double width);
Raster::Inside Polygon(std::vector<std::pair<double, double>> points);

}  // namespace kova::images
