// Buttons with more than a caption, painted from the skin's button image: bit buttons
// with their glyph (greyed when disabled), windowless speed buttons painted through their
// parent, and menu buttons with a drop-down part.
#pragma once

#include "skin/apply/win_skin_button_win.h"

namespace kova {

class TSkinBitButton : public TSkinButton {
  KOVA_DECLARE_CLASS(TSkinBitButton)

 public:
  using TSkinButton::TSkinButton;
  // The glyph is the control's "PngImage" instead of its "Glyph".
  void SetPngGlyph(bool png) { png_glyph_ = png; }
  bool PngGlyph() const { return png_glyph_; }

 protected:
  void DrawFace(HDC dc, const RECT& face, int frame, const PushButtonLook& look) override;
  // The control whose properties describe the button.
  const TObject* Described() const;

 private:
  bool png_glyph_ = false;
};

// A speed button is windowless: the skin paints it when its parent paints it, follows
// the mouse through the framework's enter and leave notifications, and leaves presses
// and clicks to the button itself. A button that is down shows the pressed frame.
class TSkinSpeedButton : public TSkinBitButton {
  KOVA_DECLARE_CLASS(TSkinSpeedButton)

 public:
  using TSkinBitButton::TSkinBitButton;
  bool BeforeProc(TMessage& message) override;
  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

 protected:
  PushButtonLook Look() const override;
};

// A button with a drop-down part at its right: pressing that part drops the control's
// "DropDownMenu" (a popup menu) below the button instead of clicking.
class TSkinMenuButton : public TSkinButton {
  KOVA_DECLARE_CLASS(TSkinMenuButton)

 public:
  using TSkinButton::TSkinButton;
  bool BeforeProc(TMessage& message) override;
  static constexpr int kDropDownWidth = 16;

 protected:
  void DrawFace(HDC dc, const RECT& face, int frame, const PushButtonLook& look) override;
};

// A small solid arrow pointing down, centred in `rect`.
void DrawArrow(HDC dc, const RECT& rect, COLORREF color);

}  // namespace kova
