// Push buttons painted from the skin's button image. The object keeps the hot and
// pressed flags itself: presses never reach the native button, and a release over the
// pressed button clicks it.
#pragma once

#include "skin/apply/push_button_state.h"
#include "skin/apply/win_skin_control_win.h"

namespace kova {

class TSkinButton : public TSkinControl {
  KOVA_DECLARE_CLASS(TSkinButton)

 public:
  using TSkinControl::TSkinControl;
  void Init(TSkinControls* list, TWinControl* control, TSkinData* data, TCanvas* canvas,
            bool set_color) override;
  bool BeforeProc(TMessage& message) override;
  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  const PushButtonState& ButtonState() const { return button_state_; }
  bool Transparent() const { return transparent_; }

 protected:
  // Read at every paint: enabled, focused and default; the caption and its font.
  virtual PushButtonLook Look() const;
  virtual WideString CaptionText() const;
  virtual HFONT CaptionFont() const;
  virtual bool MultiLine() const;
  // Draws what sits on the button image (the caption, a glyph, a drop-down part) into
  // `dc`, the buffer of the button's size, text colour and font already chosen.
  virtual void DrawFace(HDC dc, const RECT& face, int frame, const PushButtonLook& look);
  void React(PushButtonEvent event);
  bool WindowEnabled() const;
  // The object of a windowless control sets its transparency itself.
  void SetTransparent(bool transparent) { transparent_ = transparent; }

  PushButtonState button_state_;

 private:
  void ClickButton();

  bool transparent_ = false;
};

// Paints `parent`'s image behind a child at `child_rect` (parent client coordinates)
// into `dc`.
void DrawParentImage(HWND parent, HDC dc, const RECT& child_rect);

// The font a control's text is drawn in: a framework control's, else the window's own.
HFONT ControlFont(HWND wnd, TWinControl* control);

}  // namespace kova
