// A canvas with fixed, font-derived metrics that records what is drawn. Layout on it is
// the same on every platform, so tests can assert exact positions and colours, and the
// benchmarks and fuzzers run without a window system.
//
// Metrics for a font of s points: every UTF-16 unit is max(1, s / 2) pixels wide, one
// more when bold; ascent s, descent s / 4.
#pragma once

#include <vector>

#include "htmltext/canvas.h"

namespace kova {

struct CanvasOp {
  enum class Kind { kText, kFill, kLine, kFocusRect, kImage, kSystemImage };
  Kind kind = Kind::kText;
  Rect rect;   // text box, filled or framed rectangle, image destination
  Point from;  // lines
  Point to;
  WideString text;
  Font font;                      // text: the font, its colour resolved
  Color color = 0;                // fill and line colour, resolved
  Color background = kColorNone;  // text background, resolved
  int image_index = -1;
  Rect clip;  // the clip in effect
};

class FixedMetricCanvas : public HTMLCanvas {
 public:
  explicit FixedMetricCanvas(Font font = Font{});

  static int Advance(const Font& font);

  const Font& font() const override { return font_; }
  void SetFont(const Font& font) override { font_ = font; }
  Color text_background() const override { return background_; }
  void SetTextBackground(Color color) override { background_ = color; }
  Color pen_color() const override { return pen_; }
  void SetPenColor(Color color) override { pen_ = color; }

  TextExtent MeasureText(WideStringView text) override;
  void DrawText(Point origin, WideStringView text) override;
  void FillRect(const Rect& rect, Color color) override;
  void DrawLine(Point from, Point to) override;
  void DrawFocusRect(const Rect& rect) override;
  void DrawImage(const PixelImage& image, const Rect& dest) override;
  bool SystemImageListSize(SystemImageSize which, Size& size) override;
  void DrawSystemImage(SystemImageSize which, int index, const Rect& dest) override;
  void PushClip(const Rect& rect) override;
  void PopClip() override;
  Color SystemColorValue(int index) const override { return DefaultSystemColor(index); }

  // Offers small and large system image lists of these sizes (none by default).
  void SetSystemImageSizes(Size small, Size large);

  const std::vector<CanvasOp>& ops() const { return ops_; }
  void ClearOps() { ops_.clear(); }
  // Recording can be switched off where only the metrics matter (benchmarks, fuzzing).
  void set_recording(bool on) { recording_ = on; }
  size_t clip_depth() const { return clips_.size(); }

  // The recorded text operations, and their texts joined in drawing order.
  std::vector<CanvasOp> TextOps() const;
  WideString DrawnText() const;

 private:
  void Record(CanvasOp op);
  Rect CurrentClip() const;

  Font font_;
  Color background_ = kColorNone;
  Color pen_ = 0;
  std::vector<Rect> clips_;
  std::vector<CanvasOp> ops_;
  bool recording_ = true;
  Size small_images_;
  Size large_images_;
};

}  // namespace kova
