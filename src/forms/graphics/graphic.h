// TGraphic: the base of every picture class (bitmaps, PNG and GIF images, icons).
// Loading is portable; drawing onto a device context is the Windows side.
#pragma once

#include <memory>

#include "forms/classes/component.h"
#include "base/streams.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace kova {

class TGraphic : public TPersistent {
  KOVA_DECLARE_CLASS(TGraphic)

 public:
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual bool Empty() const { return Width() == 0 || Height() == 0; }
  // Whether the picture carries per-pixel alpha or a transparent colour.
  virtual bool Transparent() const { return false; }

  // Reads the picture from the current position of the stream. Answers false and
  // leaves the picture empty when the bytes do not hold one.
  virtual bool LoadFromStream(TStream& stream) = 0;
  // A new picture of the same class holding the same image.
  virtual std::unique_ptr<TGraphic> Clone() const = 0;

#ifdef _WIN32
  // Draws the picture stretched to rect, blending where it has alpha.
  virtual void Draw(HDC dc, const RECT& rect) const = 0;
#endif

  // Fired when the picture changes (a new frame of an animation, a load).
  TNotifyEvent OnChange;

 protected:
  void Changed() {
    if (OnChange) {
      OnChange(this);
    }
  }
};

}  // namespace kova
