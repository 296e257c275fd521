// TIcon: a window icon owned by the picture.
#pragma once

#include <windows.h>

#include "forms/graphics/graphic.h"
#include "base/win/handles_win.h"

namespace kova {

class TIcon : public TGraphic {
  KOVA_DECLARE_CLASS(TIcon)

 public:
  int Width() const override;
  int Height() const override;
  bool Transparent() const override { return true; }
  // Icon files are not read from streams here; icons come from resources.
  bool LoadFromStream(TStream&) override { return false; }
  std::unique_ptr<TGraphic> Clone() const override;
  void Draw(HDC dc, const RECT& rect) const override;

  HICON Handle() const { return icon_.Get(); }
  // Loads the icon resource of the module; answers false when there is none.
  bool LoadFromResourceID(HMODULE module, int id);
  // Takes ownership of the handle.
  void SetHandle(HICON icon);

 private:
  UniqueIcon icon_;
};

}  // namespace kova
