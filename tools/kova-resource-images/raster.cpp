#include "kova-resource-images/raster.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace kova::images {

namespace {

uint8_t Channel(double v) {
  return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

}  // namespace

Rgba Mix(Rgba from, Rgba to, double t) {
  auto mix = [t](uint8_t a, uint8_t b) { return Channel(a + (b - a) * t); };
  return Rgba{mix(from.r, to.r), mix(from.g, to.g), mix(from.b, to.b), mix(from.a, to.a)};
}

Raster::Raster(int width, int height, Rgba fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void Raster::Set(int x, int y, Rgba colour) {
  if (x >= 0 && y >= 0 && x < width_ && y < height_) {
    pixels_[Index(x, y)] = colour;
  }
}

void Raster::Blend(int x, int y, Rgba colour, double coverage) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || coverage <= 0) {
    return;
  }
  Rgba& dst = pixels_[Index(x, y)];
  const double sa = colour.a / 255.0 * std::min(coverage, 1.0);
  const double da = dst.a / 255.0;
  const double out_a = sa + da * (1 - sa);
  if (out_a <= 0) {
    dst = kTransparent;
    return;
  }
  auto over = [&](uint8_t s, uint8_t d) { return Channel((s * sa + d * da * (1 - sa)) / out_a); };
  dst = Rgba{over(colour.r, dst.r), over(colour.g, dst.g), over(colour.b, dst.b),
             Channel(out_a * 255)};
}

void Raster::FillRect(int left, int top, int right, int bottom, Rgba colour) {
  for (int y = std::max(top, 0); y < std::min(bottom, height_); ++y) {
    for (int x = std::max(left, 0); x < std::min(right, width_); ++x) {
      pixels_[Index(x, y)] = colour;
    }
  }
}

void Raster::FillShape(const Inside& inside, const Paint& paint) {
  constexpr int kSamples = 4;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      int hits = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          if (inside(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples)) {
            ++hits;
          }
        }
      }
      if (hits > 0) {
        Blend(x, y, paint(x, y), static_cast<double>(hits) / (kSamples * kSamples));
      }
    }
  }
}

Raster::Inside RoundRect(double left, double top, double right, double bottom, double radius) {
  return [=](double x, double y) {
    if (x < left || x > right || y < top || y > bottom) {
      return false;
    }
    const double cx = std::clamp(x, left + radius, right - radius);
    const double cy = std::clamp(y, top + radius, bottom - radius);
    return std::hypot(x - cx, y - cy) <= radius;
  };
}

Raster::Inside Circle(double cx, double cy, double radius) {
  return [=](double x, double y) { return std::hypot(x - cx, y - cy) <= radius; };
}

Raster::Inside Stroke(double x0, double y0, double x1, double y1, double width) {
  return [=](double x, double y) {
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((x - x0) * dx + (y - y0) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(x - (x0 + t * dx), y - (y0 + t * dy)) <= width / 2;
  };
}

Raster::Inside Polygon(std::vector<std::pair<double, double>> points) {
  return [points = std::move(points)](double x, double y) {
    // Even-odd rule.
    bool in = false;
    for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
      const auto [xi, yi] = points[i];
      const auto [xj, yj] = points[j];
      if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) {
        in = !in;
      }
    }
    return in;
  };
}

}  // namespace kova::images
