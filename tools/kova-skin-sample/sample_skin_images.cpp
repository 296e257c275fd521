#include "kova-skin-sample/sample_skin_images.h"

#include <algorithm>
#include <functional>

#include "skin/data/image_utils.h"

namespace kova {

namespace {

constexpr TColor Rgb(int r, int g, int b) {
  return r | g << 8 | b << 16;
}
constexpr TColor Grey(int v) {
  return Rgb(v, v, v);
}

constexpr TColor kKey = kTransparentKey;
constexpr TColor kBody = Rgb(73, 72, 72);
constexpr TColor kInactive = Grey(62);
constexpr TColor kOutline = Grey(28);
constexpr TColor kEdgeLight = Grey(104);
constexpr TColor kWhite = Grey(255);
constexpr TColor kGlyph = Grey(235);
constexpr TColor kAccent = Rgb(0, 120, 215);

using PixelFn = std::function<TColor(int frame, int x, int y)>;

// A strip of `frames` cells of w x h, side by side or stacked.
TBitmap Strip(int w, int h, int frames, const PixelFn& pixel, bool stacked = false) {
  TBitmap bitmap(stacked ? w : w * frames, stacked ? h * frames : h);
  for (int f = 0; f < frames; ++f) {
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        bitmap.SetPixel(stacked ? x : f * w + x, stacked ? f * h + y : y, pixel(f, x, y));
      }
    }
  }
  return bitmap;
}

// Button-like states: normal, hot, pressed, disabled, focused (then repeating).
TColor StateFace(int frame) {
  static const TColor faces[] = {Grey(96), Grey(118), Grey(64), Grey(84), Grey(96)};
  return faces[frame % 5];
}
TColor StateEdge(int frame) {
  return frame % 5 == 4 ? kAccent : (frame % 5 == 2 ? kOutline : Grey(44));
}

// A framed face per state with a one-pixel outline. `order` gives, per cell, which of
// the states above it shows; without it the cells follow that order.
TBitmap Boxes(int w, int h, int frames, const int* order = nullptr) {
  return Strip(w, h, frames, [=](int cell, int x, int y) {
    const int f = order != nullptr ? order[cell] : cell;
    const bool edge = x == 0 || y == 0 || x == w - 1 || y == h - 1;
    if (edge) {
      return StateEdge(f);
    }
    return y == 1 && f % 5 != 2 ? Blend(StateFace(f), kWhite, 85) : StateFace(f);
  });
}

// Glyph painters for caption buttons, drawn on 20 x 18 cells.
bool CloseGlyph(int x, int y) {
  const int u = x - 5, v = y - 4;
  return u >= 0 && u < 10 && v >= 0 && v < 10 &&
         (u == v || u == 9 - v || u == v + 1 || u + 1 == 9 - v);
}
bool MaxGlyph(int x, int y) {
  return x >= 5 && x <= 14 && y >= 4 && y <= 13 && (x == 5 || x == 14 || y <= 5 || y == 13);
}
bool MinGlyph(int x, int y) {
  return x >= 5 && x <= 14 && y >= 11 && y <= 12;
}
bool RestoreGlyph(int x, int y) {
  const bool back = x >= 8 && x <= 15 && y >= 3 && y <= 10 && (x == 15 || y <= 4);
  const bool front =
      x >= 4 && x <= 11 && y >= 7 && y <= 14 && (x == 4 || x == 11 || y <= 8 || y == 14);
  return back || front;
}
bool HelpGlyph(int x, int y) {
  return (y == 4 && x >= 8 && x <= 11) || (x == 12 && (y == 5 || y == 6)) || (x == 11 && y == 7) ||
         (x == 10 && (y == 8 || y == 9)) || (x == 10 && y >= 12 && y <= 13) || (x == 7 && y == 5);
}

// Four states: normal, pressed, hot, inactive/disabled.
TBitmap CaptionButton(bool (*glyph)(int, int), TColor hot_face) {
  return Strip(20, 18, 4, [=](int f, int x, int y) {
    const TColor faces[] = {kBody, Grey(40), hot_face, kInactive};
    const TColor glyphs[] = {kGlyph, kGlyph, kWhite, Grey(140)};
    if (glyph(x, y)) {
      return glyphs[f];
    }
    return faces[f];
  });
}

// The title strip: active and inactive states stacked, a dark outline and a light line
// under it. It runs between the side borders, which carry the rounded corners.
TBitmap TopBorder() {
  constexpr int w = 60, h = 30;
  return Strip(
      w, h, 2,
      [](int f, int, int y) {
        if (y == 0) {
          return kOutline;
        }
        if (y == 1) {
          return f == 0 ? kEdgeLight : Grey(80);
        }
        return f == 0 ? kBody : kInactive;
      },
      true);
}

// A side border, active and inactive side by side. Its outer corners are cut with the
// transparent key, so the window's region is rounded; the skin keeps its first and last
// four rows unstretched.
TBitmap SideBorder(bool left) {
  constexpr int w = 4, h = 40;
  return Strip(w, h, 2, [left](int f, int x, int y) {
    const int from_outside = left ? x : w - 1 - x;
    const int from_end = std::min(y, h - 1 - y);
    if ((from_end == 0 && from_outside < 3) || (from_end == 1 && from_outside < 1)) {
      return kKey;
    }
    if (from_outside == 0 || from_end == 0 || (from_end == 1 && from_outside == 1)) {
      return kOutline;
    }
    if (y == 1) {
      return f == 0 ? kEdgeLight : Grey(80);
    }
    return f == 0 ? kBody : kInactive;
  });
}

TBitmap BottomBorder() {
  constexpr int w = 60, h = 4;
  return Strip(
      w, h, 2,
      [](int f, int, int y) {
        if (y == h - 1) {
          return kOutline;
        }
        return f == 0 ? kBody : kInactive;
      },
      true);
}

// A small round mark (radio) or tick box (check), four states: off, on, off and on
// disabled.
TBitmap Glyphs13(bool radio) {
  return Strip(13, 13, 4, [radio](int f, int x, int y) {
    const bool disabled = f >= 2;
    const bool on = f % 2 == 1;
    const int dx = x - 6, dy = y - 6;
    const int r2 = dx * dx + dy * dy;
    const TColor face = disabled ? Grey(70) : Grey(40);
    const TColor edge = disabled ? Grey(100) : Grey(150);
    const TColor mark = disabled ? Grey(130) : kWhite;
    if (radio) {
      if (r2 > 40) {
        return kKey;
      }
      if (r2 > 28) {
        return edge;
      }
      return on && r2 <= 6 ? mark : face;
    }
    if (x == 0 || y == 0 || x == 12 || y == 12) {
      return edge;
    }
    const bool tick = (x >= 3 && x <= 5 && y == x + 3) || (x >= 5 && x <= 9 && y == 13 - x);
    return on && tick ? mark : face;
  });
}

// An arrow glyph in a cell: direction 0 down, 1 up, 2 left, 3 right.
bool Arrow(int direction, int x, int y, int w, int h) {
  const int cx = w / 2, cy = h / 2;
  int along = 0, across = 0;
  switch (direction) {
    case 0:
      along = y - cy + 1;
      across = x - cx;
      break;
    case 1:
      along = cy - y + 1;
      across = x - cx;
      break;
    case 2:
      along = cx - x + 1;
      across = y - cy;
      break;
    default:
      along = x - cx + 1;
      across = y - cy;
      break;
  }
  return along >= -1 && along <= 2 && std::abs(across) <= 2 - along + 1 &&
         along + std::abs(across) <= 3;
}

TBitmap ArrowButtons(int w, int h, int frames, int directions_per_state, int direction) {
  return Strip(w, h, frames, [=](int f, int x, int y) {
    const int dir = directions_per_state > 1
                        ? (f / (frames / directions_per_state) == 0 ? direction : direction + 1)
                        : direction;
    if (Arrow(dir, x, y, w, h)) {
      return f % 4 == 3 ? Grey(130) : kGlyph;
    }
    if (x == 0 || y == 0 || x == w - 1 || y == h - 1) {
      return StateEdge(f % 4);
    }
    return StateFace(f % 4);
  });
}

TBitmap Flat(int w, int h, int frames, TColor face, TColor edge) {
  return Strip(w, h, frames, [=](int, int x, int y) {
    return x == 0 || y == 0 || x == w - 1 || y == h - 1 ? edge : face;
  });
}

// Push buttons show normal, pressed, disabled, hot and focused; scroll thumbs normal,
// pressed and hot.
constexpr int kPushButtonStates[] = {0, 2, 3, 1, 4};
constexpr int kThumbStates[] = {0, 2, 1};

// Twenty-three scroll-bar parts: the left, right, up and down arrows in four states each
// (normal, pressed, disabled, hot), the horizontal and vertical thumb grips on a
// see-through cell, then track shades.
TBitmap ScrollbarParts() {
  return Strip(17, 17, 23, [](int f, int x, int y) {
    if (f < 16) {
      constexpr int kDirections[] = {2, 3, 1, 0};  // Arrow(): 0 down, 1 up, 2 left, 3 right
      constexpr int kFaces[] = {0, 2, 3, 1};
      const int state = f % 4;
      if (Arrow(kDirections[f / 4], x, y, 17, 17)) {
        return state == 2 ? Grey(110) : kGlyph;
      }
      return x == 0 || y == 0 || x == 16 || y == 16 ? Grey(44) : StateFace(kFaces[state]);
    }
    if (f < 18) {
      // Three short lines across the thumb, centred in the cell.
      const int along = f == 16 ? x : y;
      const int across = f == 16 ? y : x;
      const bool line = across >= 5 && across <= 11 && (along == 6 || along == 8 || along == 10);
      return line ? Grey(150) : kKey;
    }
    return Grey(52 + 4 * (f - 18));
  });
}

// Track bar thumbs in the push-button states (normal, pressed, disabled, hot, focused).
TBitmap Thumbs(int w, int h, int shape) {
  return Strip(w, h, 5, [=](int cell, int x, int y) {
    const int f = kPushButtonStates[cell];
    // shape 0: plain box, 1 point down, 2 point up, 3 point left, 4 point right
    const int tip = shape == 1   ? h - 1 - y
                    : shape == 2 ? y
                    : shape == 3 ? x
                    : shape == 4 ? w - 1 - x
                                 : 99;
    const int across = shape <= 2 ? std::min(x, w - 1 - x) : std::min(y, h - 1 - y);
    if (tip < 4 && across < 4 - tip) {
      return kKey;
    }
    return x == 0 || y == 0 || x == w - 1 || y == h - 1 ? StateEdge(f) : StateFace(f);
  });
}

// Up-down buttons: the first button's four push-button states (normal, pressed,
// disabled, hot), then the second's; their arrows are separate glyph strips in the
// same order, `first` and `second` being Arrow() directions.
constexpr int kUpDownStates[] = {0, 2, 3, 1, 0, 2, 3, 1};
TBitmap UpDownGlyphs(int first, int second) {
  return Strip(8, 8, 8, [=](int f, int x, int y) {
    if (!Arrow(f < 4 ? first : second, x, y, 8, 8)) {
      return kKey;
    }
    return f % 4 == 2 ? Grey(130) : kGlyph;
  });
}

}  // namespace

std::map<std::string, TBitmap> SampleSkinImages() {
  std::map<std::string, TBitmap> images;
  images["top.bmp"] = TopBorder();
  images["left.bmp"] = SideBorder(true);
  images["right.bmp"] = SideBorder(false);
  images["bottom.bmp"] = BottomBorder();
  images["textback.bmp"] =
      Strip(20, 24, 2, [](int f, int, int) { return f == 0 ? kBody : kInactive; });
  images["menubar.bmp"] = Strip(20, 20, 2, [](int f, int, int y) {
    return y == 19 ? Grey(50) : (f == 0 ? Grey(66) : Grey(58));
  });
  images["button.bmp"] = Boxes(40, 24, 5, kPushButtonStates);
  images["check.bmp"] = Glyphs13(false);
  images["radio.bmp"] = Glyphs13(true);
  images["close.bmp"] = CaptionButton(CloseGlyph, Rgb(196, 43, 28));
  images["maximize.bmp"] = CaptionButton(MaxGlyph, Grey(100));
  images["restore.bmp"] = CaptionButton(RestoreGlyph, Grey(100));
  images["minimize.bmp"] = CaptionButton(MinGlyph, Grey(100));
  images["help.bmp"] = CaptionButton(HelpGlyph, Grey(100));
  // Minimize, restore and close of a maximized child window, four 12 x 14 states each.
  {
    TBitmap mdi(144, 14);
    bool (*glyphs[])(int, int) = {MinGlyph, RestoreGlyph, CloseGlyph};
    for (int b = 0; b < 3; ++b) {
      for (int s = 0; s < 4; ++s) {
        for (int y = 0; y < 14; ++y) {
          for (int x = 0; x < 12; ++x) {
            const bool mark = glyphs[b](x * 20 / 12, y * 18 / 14);
            mdi.SetPixel(48 * b + 12 * s + x, y,
                         mark ? (s == 3 ? Grey(130) : kGlyph) : StateFace(s));
          }
        }
      }
    }
    images["mdicontrols.bmp"] = std::move(mdi);
  }
  images["progress.bmp"] = Strip(30, 16, 2, [](int f, int x, int y) {
    if (x == 0 || y == 0 || x == 29 || y == 15) {
      return Grey(40);
    }
    return f == 0 ? Grey(56) : kAccent;
  });
  images["chunk.bmp"] = Flat(10, 12, 1, kAccent, Rgb(0, 90, 170));
  images["groupedge.bmp"] = Strip(20, 20, 2, [](int f, int x, int y) {
    const bool edge = x == 0 || y == 0 || x == 19 || y == 19;
    return edge ? (f == 0 ? Grey(100) : Grey(70)) : kKey;
  });
  images["grouplabel.bmp"] = Flat(30, 18, 1, Grey(60), Grey(90));
  images["tabs.bmp"] = Strip(30, 22, 5, [](int f, int x, int y) {
    if (y == 0 && (x < 2 || x > 27)) {
      return kKey;
    }
    if (x == 0 || y == 0 || x == 29) {
      return f == 1 ? kAccent : Grey(44);
    }
    return f == 1 ? kBody : StateFace(f);
  });
  images["tabborder.bmp"] = Flat(20, 20, 1, kBody, Grey(100));
  images["statusedges.bmp"] = Strip(20, 20, 3, [](int f, int x, int y) {
    return x == 0 || y == 0 ? Grey(44 + 10 * f) : Grey(66);
  });
  images["tabpane.bmp"] = Flat(20, 20, 1, kBody, Grey(100));
  images["toolbars.bmp"] = Boxes(20, 20, 5);
  images["combobutton.bmp"] = ArrowButtons(17, 21, 4, 1, 0);
  images["sunkedge.bmp"] = Strip(20, 21, 4, [](int f, int x, int y) {
    if (x == 0 || y == 0 || x == 19 || y == 20) {
      return f == 1 ? kAccent : Grey(44);
    }
    return f == 3 ? Grey(70) : Grey(52);
  });
  images["extraimages.bmp"] = Strip(17, 21, 5, [](int f, int x, int y) {
    return Arrow(0, x, y, 17, 21) ? (f == 3 ? Grey(130) : kWhite) : kKey;
  });
  images["headerbar.bmp"] = Boxes(30, 20, 5);
  // Frame 1 is an item at rest, frame 4 the selected one; 2 and 3 are hot and pressed.
  images["menuitem.bmp"] =
      Strip(30, 20, 5, [](int f, int, int) { return f >= 1 && f <= 3 ? kAccent : Grey(60); });
  images["menuback.bmp"] = Flat(30, 30, 1, Grey(60), Grey(40));
  images["scrollbar.bmp"] = ScrollbarParts();
  images["horzscroll.bmp"] = Flat(20, 17, 4, Grey(52), Grey(44));
  images["vertscroll.bmp"] = Flat(17, 20, 4, Grey(52), Grey(44));
  images["horzthumb.bmp"] = Boxes(20, 17, 3, kThumbStates);
  images["vertthumb.bmp"] = Boxes(17, 20, 3, kThumbStates);
  images["thumbhorz.bmp"] = Thumbs(11, 19, 0);
  images["thumbvert.bmp"] = Thumbs(19, 11, 0);
  images["thumbdown.bmp"] = Thumbs(11, 19, 1);
  images["thumbup.bmp"] = Thumbs(11, 19, 2);
  images["thumbleft.bmp"] = Thumbs(19, 11, 3);
  images["thumbright.bmp"] = Thumbs(19, 11, 4);
  images["updownhorz.bmp"] = Boxes(16, 16, 8, kUpDownStates);
  images["updownvert.bmp"] = Boxes(16, 16, 8, kUpDownStates);
  images["updownglyphh.bmp"] = UpDownGlyphs(2, 3);  // left, right
  images["updownglyphv.bmp"] = UpDownGlyphs(1, 0);  // up, down
  images["track.bmp"] = Strip(24, 8, 1, [](int, int x, int y) {
    return y < 2 || x < 2 ? Grey(36) : (y == 7 || x == 23 ? Grey(96) : Grey(48));
  });
  images["trackvert.bmp"] = Strip(8, 24, 1, [](int, int x, int y) {
    return y < 2 || x < 2 ? Grey(36) : (x == 7 || y == 23 ? Grey(96) : Grey(48));
  });
  return images;
}

}  // namespace kova
