// The drawing surface the text engine lays out and paints on. The engine only needs
// text metrics, text output, fills, lines, images and a clip; a GDI device context and
// the fixed-metric recording canvas of the tests both implement it.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "base/text.h"
#include "htmltext/color.h"
#include "htmltext/geometry.h"

namespace kova {

enum class FontStyle : uint8_t {
  kBold = 1,
  kItalic = 2,
  kUnderline = 4,
  kStrikeOut = 8,
};

class FontStyles {
 public:
  constexpr FontStyles() = default;
  constexpr FontStyles(std::initializer_list<FontStyle> styles) {
    for (FontStyle s : styles)
      Set(s, true);
  }
  constexpr bool Has(FontStyle s) const { return (bits_ & static_cast<uint8_t>(s)) != 0; }
  constexpr void Set(FontStyle s, bool on) {
    bits_ = on ? (bits_ | static_cast<uint8_t>(s)) : (bits_ & ~static_cast<uint8_t>(s));
  }
  constexpr uint8_t bits() const { return bits_; }
  friend bool operator==(const FontStyles&, const FontStyles&) = default;

 private:
  uint8_t bits_ = 0;
};

struct Font {
  WideString name = u"Tahoma";
  int size = 8;  // points
  Color color = 0;
  FontStyles style;
  int escapement = 0;  // tenths of a degree, counter-clockwise
  friend bool operator==(const Font&, const Font&) = default;
};

struct TextExtent {
  int width = 0;
  int height = 0;
  int ascent = 0;  // the part of height above the baseline
};

// Top-down 32-bit pixels, 0xAARRGGBB.
struct PixelImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
};

// Images addressed as "IDX:n" by the mark-up. Every entry of a list has the same size.
class HTMLImageList {
 public:
  virtual ~HTMLImageList() = default;
  virtual int Count() const = 0;
  virtual Size ImageSize() const = 0;
  // Fills |out| with entry |index|; false when there is no such entry.
  virtual bool GetImage(int index, PixelImage& out) const = 0;
};

enum class SystemImageSize { kSmall, kLarge };

class HTMLCanvas {
 public:
  virtual ~HTMLCanvas() = default;

  // Text state: the font (with its colour) and the text background, kColorNone for
  // transparent. Colours may be system colours; the canvas resolves them.
  virtual const Font& font() const = 0;
  virtual void SetFont(const Font& font) = 0;
  virtual Color text_background() const = 0;
  virtual void SetTextBackground(Color color) = 0;
  virtual Color pen_color() const = 0;
  virtual void SetPenColor(Color color) = 0;

  // Metrics of |text| in the current font, as a single line.
  virtual TextExtent MeasureText(WideStringView text) = 0;
  // Draws |text| in the current font with its top-left corner at |origin|.
  virtual void DrawText(Point origin, WideStringView text) = 0;

  virtual void FillRect(const Rect& rect, Color color) = 0;
  // A line in the pen colour from |from| up to, not including, |to|.
  virtual void DrawLine(Point from, Point to) = 0;
  virtual void DrawFocusRect(const Rect& rect) = 0;
  // Stretches |image| into |dest|.
  virtual void DrawImage(const PixelImage& image, const Rect& dest) = 0;
  // The platform's shared icon lists; false where there are none.
  virtual bool SystemImageListSize(SystemImageSize which, Size& size) = 0;
  virtual void DrawSystemImage(SystemImageSize which, int index, const Rect& dest) = 0;

  // Limits drawing to |rect| (within any enclosing clip) until the matching PopClip.
  virtual void PushClip(const Rect& rect) = 0;
  virtual void PopClip() = 0;

  // The platform's value of system colour |index|.
  virtual Color SystemColorValue(int index) const = 0;

  Color Resolve(Color c) const {
    return IsSystemColor(c) ? SystemColorValue(SystemColorIndex(c)) : c;
  }
};

// Restores the canvas' font, text background and pen on scope exit.
class CanvasStateScope {
 public:
  explicit CanvasStateScope(HTMLCanvas& canvas)
      : canvas_(canvas),
        font_(canvas.font()),
        background_(canvas.text_background()),
        pen_(canvas.pen_color()) {}
  ~CanvasStateScope() {
    canvas_.SetFont(font_);
    canvas_.SetTextBackground(background_);
    canvas_.SetPenColor(pen_);
  }
  CanvasStateScope(const CanvasStateScope&) = delete;
  CanvasStateScope& operator=(const CanvasStateScope&) = delete;

 private:
  HTMLCanvas& canvas_;
  Font font_;
  Color background_;
  Color pen_;
};

}  // namespace kova
