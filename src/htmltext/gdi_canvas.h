// The engine's canvas over a GDI device context (Windows only). Fonts are created on
// demand and cached for the canvas' lifetime; on destruction the device context gets
// back the font, pen, colours, modes and clip it had, and every object the canvas made
// is deleted.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "htmltext/canvas.h"

namespace kova {

class GdiCanvas : public HTMLCanvas {
 public:
  // |font| is the starting font, as the caller's control font would be.
  explicit GdiCanvas(HDC dc, Font font = Font{});
  ~GdiCanvas() override;
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  const Font& font() const override { return font_; }
  void SetFont(const Font& font) override;
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
  Color SystemColorValue(int index) const override;

  HDC dc() const { return dc_; }

 private:
  struct CachedFont;
  class OwnedRegion;
  CachedFont& Select(const Font& font);

  HDC dc_;
  Font font_;
  Color background_ = kColorNone;
  Color pen_ = 0;

  // What the device context had before.
  HGDIOBJ original_font_;
  HGDIOBJ original_pen_;
  COLORREF original_text_color_;
  COLORREF original_bk_color_;
  int original_bk_mode_;
  UINT original_text_align_;
  COLORREF original_dc_brush_;
  COLORREF original_dc_pen_;
  std::unique_ptr<OwnedRegion> original_clip_;
  bool had_clip_ = false;

  std::vector<std::unique_ptr<CachedFont>> fonts_;
  CachedFont* selected_ = nullptr;
  std::vector<std::unique_ptr<OwnedRegion>> clip_stack_;  // null entry: there was no clip
};

}  // namespace kova

#endif  // _WIN32
