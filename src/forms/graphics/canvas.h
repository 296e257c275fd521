// TCanvas: drawing on a device context with the framework's font, brush and pen. The
// canvas does not own its device context unless a subclass says so; each drawing call
// selects the canvas's objects and puts the previous ones back, so the context is left
// as it was found.
#pragma once

#include <windows.h>

#include "forms/graphics/font_win.h"
#include "forms/graphics/graphic.h"

namespace kova {

class TCanvas : public TPersistent {
  KOVA_DECLARE_CLASS(TCanvas)

 public:
  TCanvas();
  explicit TCanvas(HDC dc);

  HDC Handle() const { return dc_; }
  void SetHandle(HDC dc) { dc_ = dc; }
  bool HandleAllocated() const { return dc_ != nullptr; }

  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  TBrush& Brush() { return brush_; }
  TPen& Pen() { return pen_; }

  void FillRect(const RECT& rect);
  void FrameRect(const RECT& rect);
  void Rectangle(const RECT& rect);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void TextOut(int x, int y, WideStringView text);
  // Text clipped to rect; the flags are those of DrawTextW.
  void TextRect(RECT rect, WideStringView text, UINT flags);
  SIZE TextExtent(WideStringView text) const;
  int TextWidth(WideStringView text) const { return TextExtent(text).cx; }
  int TextHeight(WideStringView text) const { return TextExtent(text).cy; }
  void Draw(int x, int y, const TGraphic& graphic);
  void StretchDraw(const RECT& rect, const TGraphic& graphic);
  TColor Pixel(int x, int y) const;

 private:
  HDC dc_ = nullptr;
  TFont font_;
  TBrush brush_;
  TPen pen_;
};

}  // namespace kova
