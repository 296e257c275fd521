// Buttons with a glyph: the bit button (a push button that draws its glyph beside its
// caption) and the speed button (windowless, painted by its parent, optionally staying
// down as one of a group).
#pragma once

#include <memory>

#include "forms/controls/stdctrls.h"
#include "forms/graphics/dib_bitmap.h"
#include "forms/graphics/glyph_layout.h"

namespace kova {

enum class TBitBtnKind {
  bkCustom,
  bkOK,
  bkCancel,
  bkHelp,
  bkYes,
  bkNo,
  bkClose,
  bkAbort,
  bkRetry,
  bkIgnore,
  bkAll
};
extern const EnumTypeInfo kBitBtnKindInfo;

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
extern const EnumTypeInfo kButtonLayoutInfo;

// A push button with a glyph. Its pixels' bottom-left colour is see-through, as glyphs
// are drawn. The kind gives a caption and modal result where none is set.
class TBitBtn : public TButton {
  KOVA_DECLARE_CLASS(TBitBtn)

 public:
  explicit TBitBtn(TComponent* owner);
  ~TBitBtn() override;

  TDibBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(TDibBitmap* glyph);
  TBitBtnKind Kind() const { return kind_; }
  void SetKind(TBitBtnKind kind);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout);
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);

 protected:
  void CreateParams(TCreateParams& params) override;
  bool DrawItemReflected(const DRAWITEMSTRUCT& item) override;

 private:
  std::unique_ptr<TDibBitmap> glyph_;
  TBitBtnKind kind_ = TBitBtnKind::bkCustom;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int spacing_ = 4;
};

// A windowless button. With a GroupIndex it stays down when clicked and lets go of the
// other down button of its group; AllowAllUp lets a click raise it again.
class TSpeedButton : public TGraphicControl {
  KOVA_DECLARE_CLASS(TSpeedButton)

 public:
  explicit TSpeedButton(TComponent* owner);
  ~TSpeedButton() override;

  TDibBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(TDibBitmap* glyph);
  bool Flat() const { return flat_; }
  void SetFlat(bool flat);
  bool Down() const { return down_; }
  void SetDown(bool down);
  int GroupIndex() const { return group_index_; }
  void SetGroupIndex(int index) { group_index_ = index; }
  bool AllowAllUp() const { return allow_all_up_; }
  void SetAllowAllUp(bool allow) { allow_all_up_ = allow; }
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout);
  // Pressed while the left button is held over it.
  bool Pressed() const { return pressed_; }

  void Click() override;
  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;

 private:
  std::unique_ptr<TDibBitmap> glyph_;
  bool flat_ = false;
  bool down_ = false;
  bool pressed_ = false;
  int group_index_ = 0;
  bool allow_all_up_ = false;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
};

// Draws pixels with their top-left corner at `at`, those of colour `key` see-through.
void DrawKeyedPixels(HDC dc, const TBitmap& pixels, TColor key, POINT at);
// Draws `glyph` with its top-left corner at `at`, its bottom-left colour see-through;
// greyed when not enabled.
void DrawGlyph(HDC dc, const TDibBitmap& glyph, POINT at, bool enabled);
// Draws a glyph and a caption placed by PlaceGlyphAndText inside `client`.
void DrawGlyphAndCaption(HDC dc, const RECT& client, const TDibBitmap* glyph,
                         const WideString& caption, TButtonLayout layout, int spacing,
                         bool enabled);

}  // namespace kova
