#include "skin/data/frame_compose.h"

#include <algorithm>
#include <cstring>

namespace kova {

namespace {

int Width(const ImageRect& r) {
  return r.right - r.left;
}
int Height(const ImageRect& r) {
  return r.bottom - r.top;
}

bool IsMagenta(const uint8_t* bgr) {
  return bgr[0] == 0xFF && bgr[1] == 0 && bgr[2] == 0xFF;
}

}  // namespace

SkinMargins MarginsOf(const TDataSkinObject& object) {
  return {object.LeftWidth, object.TopHeight, object.RightWidth, object.BottomHeight};
}

ImageRect FrameRect(const TBitmap& image, int frames, int frame, bool stacked) {
  const int n = std::max(frames, 1);
  const int i = std::clamp(frame, 1, n);
  if (stacked) {
    const int h = image.Height() / n;
    return {0, (i - 1) * h, image.Width(), i * h};
  }
  const int w = image.Width() / n;
  return {(i - 1) * w, 0, i * w, image.Height()};
}

void StretchCopy(TBitmap& dest, const ImageRect& dest_rect, const TBitmap& source,
                 const ImageRect& source_rect, bool transparent) {
  const int dw = Width(dest_rect);
  const int dh = Height(dest_rect);
  const int sw = Width(source_rect);
  const int sh = Height(source_rect);
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0 || dest.Empty() || source.Empty()) {
    return;
  }
  const int x0 = std::max(dest_rect.left, 0);
  const int x1 = std::min(dest_rect.right, dest.Width());
  const int y0 = std::max(dest_rect.top, 0);
  const int y1 = std::min(dest_rect.bottom, dest.Height());
  const int dest_bpp = dest.BytesPerPixel();
  const int source_width = source.Width();
  const int source_height = source.Height();
  const int source_bpp = source.BytesPerPixel();
  // At 1:1 between 24-bit images a row is one block; 32-bit pixels keep their fourth byte.
  const bool block_rows =
      sw == dw && !transparent && dest_bpp == 3 && source_bpp == 3 && &dest != &source;
  for (int y = y0; y < y1; ++y) {
    const int sy = source_rect.top + static_cast<int>(int64_t{y - dest_rect.top} * sh / dh);
    if (sy < 0 || sy >= source_height) {
      continue;
    }
    uint8_t* row = dest.ScanLine(y);
    const uint8_t* source_row = source.ScanLine(sy);
    if (block_rows) {
      const int shift = source_rect.left - dest_rect.left;
      const int from = std::max(x0, -shift);
      const int to = std::min(x1, source_width - shift);
      if (from < to) {
        std::memcpy(row + from * 3, source_row + (from + shift) * 3,
                    static_cast<size_t>(to - from) * 3);
      }
      continue;
    }
    for (int x = x0; x < x1; ++x) {
      const int sx = source_rect.left + static_cast<int>(int64_t{x - dest_rect.left} * sw / dw);
      if (sx < 0 || sx >= source_width) {
        continue;
      }
      const uint8_t* px = source_row + sx * source_bpp;
      if (transparent && IsMagenta(px)) {
        continue;
      }
      std::memcpy(row + x * dest_bpp, px, 3);
    }
  }
}

TBitmap GetHMap(int width, int height, const TBitmap& image, const SkinMargins& margins,
                bool stacked, bool tile, int frames, int frame) {
  TBitmap out;
  if (width <= 0 || height <= 0 || image.Empty() || !out.SetSize(width, height)) {
    return out;
  }
  const ImageRect f = FrameRect(image, frames, frame, stacked);
  const int fw = Width(f);
  const int fh = Height(f);
  if (fw <= 0 || fh <= 0) {
    return out;
  }
  int l = std::max(margins.left, 0);
  int r = std::max(margins.right, 0);
  int t = std::max(margins.top, 0);
  int b = std::max(margins.bottom, 0);
  if (l + r > width) {
    l = r = 0;
  }
  if (t + b > height) {
    t = b = 0;
  }
  const int W = width;
  const int H = height;
  const int fx = f.left;
  const int fy = f.top;
  auto part = [&](ImageRect target, ImageRect source) {
    if (Width(target) > 0 && Height(target) > 0) {
      StretchCopy(out, target, image,
                  {fx + source.left, fy + source.top, fx + source.right, fy + source.bottom});
    }
  };
  part({0, 0, l, t}, {0, 0, l, t});            // top-left
  part({0, H - b, l, H}, {0, fh - b, l, fh});  // bottom-left
  part({W - r, 0, W, t}, {fw - r, 0, fw, t});  // top-right
  part({0, t, l, H - b}, {0, t, l, fh - b});   // left edge
  part({l, 0, W - r, t}, {l, 0, fw - r, t});   // top edge
  const ImageRect centre_target{l, t, W - r, H - b};
  const ImageRect centre_source{fx + l, fy + t, fx + fw - r, fy + fh - b};
  if (Width(centre_target) > 0 && Height(centre_target) > 0) {
    const int tw = Width(centre_source);
    const int th = Height(centre_source);
    if (tile && tw > 0 && th > 0) {
      for (int y = centre_target.top; y < centre_target.bottom; y += th) {
        for (int x = centre_target.left; x < centre_target.right; x += tw) {
          StretchCopy(out, {x, y, x + tw, y + th}, image, centre_source);
        }
      }
    } else {
      StretchCopy(out, centre_target, image, centre_source);
    }
  }
  part({W - r, H - b, W, H}, {fw - r, fh - b, fw, fh});  // bottom-right
  part({W - r, t, W, H - b}, {fw - r, t, fw, fh - b});   // right edge
  part({l, H - b, W - r, H}, {l, fh - b, fw - r, fh});   // bottom edge
  return out;
}

int BorderStateFrame(const TDataSkinObject& border, bool active) {
  return border.Frame <= 1 || active ? 1 : 2;
}

TBitmap ComposeBorderStrip(const TDataSkinObject& border, BorderSide side, int width, int height,
                           bool active) {
  const bool stacked = side == BorderSide::kTop || side == BorderSide::kBottom;
  return GetHMap(width, height, border.Map, MarginsOf(border), stacked, border.Tile != 1,
                 border.Frame, BorderStateFrame(border, active));
}

namespace {

void Put(TBitmap& dest, const ImageRect& rect, const TBitmap& composed, bool transparent) {
  StretchCopy(dest, rect, composed, {0, 0, composed.Width(), composed.Height()}, transparent);
}

}  // namespace

void DrawRect1(TBitmap& dest, const ImageRect& rect, const TBitmap& image,
               const SkinMargins& margins, int frames, int frame) {
  Put(dest, rect, GetHMap(Width(rect), Height(rect), image, margins, false, false, frames, frame),
      false);
}

void DrawRect2(TBitmap& dest, const ImageRect& rect, const TBitmap& image,
               const SkinMargins& margins, bool transparent, int frames, int frame) {
  Put(dest, rect, GetHMap(Width(rect), Height(rect), image, margins, false, false, frames, frame),
      transparent);
}

void DrawRectTile(TBitmap& dest, const ImageRect& rect, const TBitmap& image,
                  const SkinMargins& margins, bool transparent, int frames, int frame) {
  Put(dest, rect, GetHMap(Width(rect), Height(rect), image, margins, false, true, frames, frame),
      transparent);
}

void DrawRect3(TBitmap& dest, const ImageRect& rect, const TBitmap& image, bool transparent,
               int frames, int frame) {
  StretchCopy(dest, rect, image, FrameRect(image, frames, frame, false), transparent);
}

}  // namespace kova
