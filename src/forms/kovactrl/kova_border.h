// TKOVABorder: the drawn frame of a borderless form. Eight images from a resource
// module make it: the top-left, top-right, bottom-left and bottom-right corners, then
// the top, bottom, left and right edges (edges are stretched along the frame). The
// form's aligned controls keep clear of the frame, whose thickness is that of the
// left edge image. It also sets the form's opacity.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <span>

#include "forms/controls/forms.h"
#include "forms/graphics/png_image.h"

namespace kova {

class TKOVABorder : public TComponent {
  KOVA_DECLARE_CLASS(TKOVABorder)

 public:
  enum Piece { kTopLeft, kTopRight, kBottomLeft, kBottomRight, kTop, kBottom, kLeft, kRight };

  // The owner is the form the frame belongs to.
  explicit TKOVABorder(TComponent* owner);
  ~TKOVABorder() override;

  // Loads the eight pieces (in Piece order) from resources of the given type; a
  // resource the module lacks leaves its piece empty. Answers how many were loaded.
  int SetResources(HMODULE module, std::span<const int> ids, const wchar_t* type);
  void SetAlphaBlendValue(int value);

  int Thickness() const;
  const TPngImage* GetPiece(Piece piece) const { return pieces_[piece].get(); }
  // Draws the frame on a device context covering the form's client area.
  void PaintFrame(HDC dc) const;

 private:
  TForm* Form() const;

  std::array<std::unique_ptr<TPngImage>, 8> pieces_;
};

}  // namespace kova
