#include "kova-resource-images/product_images.h"

#include <cmath>
#include <numbers>

#include "resources/resource_ids.h"

namespace kova::images {

namespace {

constexpr Rgba kBody{73, 72, 72};
constexpr Rgba kLink{59, 197, 255};
constexpr Rgba kWhite{255, 255, 255};
constexpr Rgba kBlack{0, 0, 0};
constexpr Rgba kShadow{28, 28, 28};
// The transparent key of skin bitmaps.
constexpr Rgba kMagenta{255, 0, 255};

Raster::Paint VerticalGradient(int height, Rgba top, Rgba bottom) {
  return [=](int, int y) { return Mix(top, bottom, height > 1 ? y / (height - 1.0) : 0.0); };
}

// Title bar: lighter at the top, with a line in the accent colour along the bottom.
Raster Header() {
  constexpr int kWidth = 16;
  constexpr int kHeight = 32;
  Raster r(kWidth, kHeight);
  r.FillShape([](double, double) { return true; },
              VerticalGradient(kHeight, Rgba{96, 95, 95}, Rgba{66, 65, 65}));
  r.FillRect(0, kHeight - 1, kWidth, kHeight, kLink);
  return r;
}

// Footer: a separator line, then the body colour darkening towards the bottom edge.
Raster Footer() {
  constexpr int kWidth = 16;
  constexpr int kHeight = 48;
  Raster r(kWidth, kHeight);
  r.FillShape([](double, double) { return true; },
              VerticalGradient(kHeight, kBody, Rgba{56, 55, 55}));
  r.FillRect(0, 0, kWidth, 1, Rgba{48, 47, 47});
  r.FillRect(0, 1, kWidth, 2, Rgba{96, 95, 95});
  return r;
}

struct ButtonLook {
  Rgba border;
  Rgba top;
  Rgba bottom;
};

// Push button face: a rounded outline over a gradient; the corners stay transparent so
// the button sits on any background. Stretched with a 10-pixel margin.
Raster PushButton(const ButtonLook& look) {
  constexpr int kWidth = 80;
  constexpr int kHeight = 24;
  Raster r(kWidth, kHeight);
  r.FillShape(RoundRect(0, 0, kWidth, kHeight, 3.5), look.border);
  r.FillShape(RoundRect(1, 1, kWidth - 1, kHeight - 1, 2.5),
              VerticalGradient(kHeight, look.top, look.bottom));
  return r;
}

enum class TitleGlyph { kClose, kMinimize };

// Title-bar button: a white glyph on a transparent face, or on a rounded plate when
// hovered or pressed.
Raster TitleButton(TitleGlyph glyph, const Rgba* plate) {
  constexpr int kWidth = 24;
  constexpr int kHeight = 15;
  Raster r(kWidth, kHeight);
  if (plate != nullptr) {
    r.FillShape(RoundRect(0, 0, kWidth, kHeight, 2.5), *plate);
  }
  if (glyph == TitleGlyph::kClose) {
    r.FillShape(Stroke(8.5, 4, 15.5, 11, 1.6), kWhite);
    r.FillShape(Stroke(15.5, 4, 8.5, 11, 1.6), kWhite);
  } else {
    r.FillRect(8, 9, 16, 11, kWhite);
  }
  return r;
}

// Frame pieces: a dark outer line and a lighter inner line, kFrameThickness wide.
Rgba FrameLine(int depth) {
  return depth == 0 ? kShadow : Rgba{104, 103, 103};
}

Raster FrameEdge(bool horizontal, bool outer_first) {
  constexpr int kLength = 8;
  constexpr int kThickness = resource_id::kFrameThickness;
  Raster r(horizontal ? kLength : kThickness, horizontal ? kThickness : kLength);
  for (int d = 0; d < kThickness; ++d) {
    const int at = outer_first ? d : kThickness - 1 - d;
    const Rgba c = FrameLine(d);
    if (horizontal) {
      r.FillRect(0, at, kLength, at + 1, c);
    } else {
      r.FillRect(at, 0, at + 1, kLength, c);
    }
  }
  return r;
}

// A corner: each pixel takes the line of its depth from the nearer outer edge.
Raster FrameCorner(bool left, bool top) {
  constexpr int kThickness = resource_id::kFrameThickness;
  Raster r(kThickness, kThickness);
  for (int y = 0; y < kThickness; ++y) {
    for (int x = 0; x < kThickness; ++x) {
      const int dx = left ? x : kThickness - 1 - x;
      const int dy = top ? y : kThickness - 1 - y;
      r.Set(x, y, FrameLine(std::min(dx, dy)));
    }
  }
  return r;
}

// Busy indicator: eight dots on a circle, the brightest one moving clockwise with a
// fading tail. Palette index 0 is transparent.
GifAnimation BusyAnimation() {
  constexpr int kSize = 16;
  constexpr int kDots = 8;
  GifAnimation gif;
  gif.width = kSize;
  gif.height = kSize;
  gif.transparent_index = 0;
  gif.delay_ms = 80;
  gif.palette.push_back(kMagenta);
  for (int i = 0; i < kDots; ++i) {
    gif.palette.push_back(Mix(kLink, kBody, i / static_cast<double>(kDots)));
  }
  for (int frame = 0; frame < kDots; ++frame) {
    std::vector<uint8_t> pixels(kSize * kSize, 0);
    for (int dot = 0; dot < kDots; ++dot) {
      const double angle = 2 * std::numbers::pi * dot / kDots;
      const double cx = 8 + 5.5 * std::sin(angle);
      const double cy = 8 - 5.5 * std::cos(angle);
      const int age = (frame - dot + kDots) % kDots;
      const auto inside = Circle(cx, cy, 1.7);
      for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
          if (inside(x + 0.5, y + 0.5)) {
            pixels[y * kSize + x] = static_cast<uint8_t>(1 + age);
          }
        }
      }
    }
    gif.frames.push_back(std::move(pixels));
  }
  return gif;
}

// Window icon: a shield in the accent colour with a white check.
Raster Shield(int size) {
  const double s = size / 32.0;
  Raster r(size, size);
  auto shield = [s](double inset) {
    return Polygon({{(4 + inset) * s, (5 + inset) * s},
                    {16 * s, (1 + inset * 1.4) * s},
                    {(28 - inset) * s, (5 + inset) * s},
                    {(27 - inset) * s, 17 * s},
                    {16 * s, (31 - inset * 1.6) * s},
                    {(5 + inset) * s, 17 * s}});
  };
  r.FillShape(shield(0), Rgba{20, 70, 100});
  r.FillShape(shield(1.5), VerticalGradient(size, Rgba{110, 215, 255}, Rgba{30, 140, 200}));
  const double w = std::max(2.0, 3.2 * s);
  r.FillShape(Stroke(10 * s, 16 * s, 14.5 * s, 21 * s, w), kWhite);
  r.FillShape(Stroke(14.5 * s, 21 * s, 22.5 * s, 11 * s, w), kWhite);
  return r;
}

// Menu glyphs, 16 pixels wide each, black on a white mask: check mark, submenu arrow.
Raster MenuGlyphs() {
  Raster r(32, 16, kWhite);
  r.FillRect(4, 8, 6, 10, kBlack);
  r.FillRect(5, 9, 7, 11, kBlack);
  for (int i = 0; i < 5; ++i) {
    r.FillRect(7 + i, 10 - i, 8 + i, 12 - i, kBlack);
  }
  for (int i = 0; i < 4; ++i) {
    r.FillRect(16 + 6 + i, 4 + i, 16 + 7 + i, 12 - i, kBlack);
  }
  return r;
}

// Track-bar channel: a sunken groove with a 3-pixel margin on every side; the corner
// pixels carry the transparent key.
Raster TrackChannel(bool horizontal) {
  const int w = horizontal ? 32 : 8;
  const int h = horizontal ? 8 : 32;
  Raster r(w, h, Rgba{50, 49, 49});
  r.FillRect(0, 0, w, 1, kShadow);
  r.FillRect(0, 0, 1, h, kShadow);
  r.FillRect(0, h - 1, w, h, Rgba{112, 111, 111});
  r.FillRect(w - 1, 0, w, h, Rgba{112, 111, 111});
  for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}}) {
    r.Set(x, y, kMagenta);
  }
  return r;
}

}  // namespace

std::vector<ImageFile> ResourceLibraryImages() {
  const Rgba hover_plate_close{196, 58, 58};
  const Rgba pressed_plate_close{150, 40, 40};
  const Rgba hover_plate{104, 103, 103};
  const Rgba pressed_plate{50, 49, 49};
  std::vector<ImageFile> files = {
      {"header.png", EncodePng(Header())},
      {"footer.png", EncodePng(Footer())},
      {"button-normal.png",
       EncodePng(PushButton({Rgba{44, 43, 43}, Rgba{108, 107, 107}, Rgba{84, 83, 83}}))},
      {"button-hover.png",
       EncodePng(PushButton({Rgba{28, 100, 150}, Rgba{88, 208, 255}, Rgba{40, 150, 210}}))},
      {"button-pressed.png",
       EncodePng(PushButton({Rgba{20, 80, 120}, Rgba{30, 120, 175}, Rgba{50, 165, 220}}))},
      {"button-disabled.png",
       EncodePng(PushButton({Rgba{62, 61, 61}, Rgba{86, 85, 85}, Rgba{86, 85, 85}}))},
      {"close-normal.png", EncodePng(TitleButton(TitleGlyph::kClose, nullptr))},
      {"close-hover.png", EncodePng(TitleButton(TitleGlyph::kClose, &hover_plate_close))},
      {"close-pressed.png", EncodePng(TitleButton(TitleGlyph::kClose, &pressed_plate_close))},
      {"minimize-normal.png", EncodePng(TitleButton(TitleGlyph::kMinimize, nullptr))},
      {"minimize-hover.png", EncodePng(TitleButton(TitleGlyph::kMinimize, &hover_plate))},
      {"minimize-pressed.png", EncodePng(TitleButton(TitleGlyph::kMinimize, &pressed_plate))},
      {"frame-top-left.png", EncodePng(FrameCorner(true, true))},
      {"frame-top-right.png", EncodePng(FrameCorner(false, true))},
      {"frame-bottom-left.png", EncodePng(FrameCorner(true, false))},
      {"frame-bottom-right.png", EncodePng(FrameCorner(false, false))},
      {"frame-top.png", EncodePng(FrameEdge(true, true))},
      {"frame-bottom.png", EncodePng(FrameEdge(true, false))},
      {"frame-left.png", EncodePng(FrameEdge(false, true))},
      {"frame-right.png", EncodePng(FrameEdge(false, false))},
      {"busy.gif", EncodeGif(BusyAnimation())},
  };
  return files;
}

std::vector<ImageFile> FrameModuleImages() {
  return {
      {"kova.ico", EncodeIcon({Shield(32), Shield(16)})},
      {"kestrelmenu.bmp", EncodeBmp(MenuGlyphs(), kWhite)},
      {"track.bmp", EncodeBmp(TrackChannel(true), kMagenta)},
      {"trackvert.bmp", EncodeBmp(TrackChannel(false), kMagenta)},
  };
}

}  // namespace kova::images
