// The framework's bitmap picture on Windows: 32-bit top-down pixels in a DIB section
// selected into its own memory device context, so GDI draws into it through Canvas,
// portable code reads its rows, and one blit puts it on screen. Its class name is
// "TBitmap"; the window-free pixel buffer of the same name converts to and from it.
#pragma once

#include <windows.h>

#include <memory>

#include "forms/graphics/bitmap.h"
#include "forms/graphics/canvas.h"
#include "forms/graphics/graphic.h"
#include "base/win/handles_win.h"

namespace kova {

class TDibBitmap : public TGraphic {
  KOVA_DECLARE_CLASS(TDibBitmap)

 public:
  TDibBitmap();
  TDibBitmap(int width, int height);
  ~TDibBitmap() override;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  bool Transparent() const override { return transparent_; }
  // Whether drawing blends by the fourth byte (straight alpha).
  void SetTransparent(bool transparent) { transparent_ = transparent; }

  // New pixels are black and opaque. Answers false (leaving the bitmap empty) when the
  // size is beyond the pixel buffer's limits or the platform refuses.
  bool SetSize(int width, int height);

  HBITMAP Handle() const { return bitmap_.Get(); }
  TCanvas& Canvas() { return canvas_; }
  uint8_t* ScanLine(int row);
  const uint8_t* ScanLine(int row) const;

  // Copies from and to the window-free pixel buffer (widened to 32 bits on the way in).
  void AssignPixels(const TBitmap& pixels);
  TBitmap ToPixels() const;
  // Sets every alpha byte to 255 (GDI text and fills leave it at 0).
  void MakeOpaque();

  bool LoadFromStream(TStream& stream) override;
  std::unique_ptr<TGraphic> Clone() const override;
  void Assign(const TPersistent* source) override;
  void Draw(HDC dc, const RECT& rect) const override;

 private:
  int width_ = 0;
  int height_ = 0;
  bool transparent_ = false;
  uint8_t* bits_ = nullptr;
  UniqueMemoryDC dc_;
  UniqueBitmap bitmap_;
  HGDIOBJ previous_ = nullptr;
  TCanvas canvas_;
};

}  // namespace kova
