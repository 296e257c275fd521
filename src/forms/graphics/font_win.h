// TFont, TBrush and TPen: the attributes of GDI drawing objects, with the handle made
// on demand and owned by the object. Changing an attribute drops the handle.
#pragma once

#include <windows.h>

#include "forms/classes/component.h"
#include "forms/graphics/colors.h"
#include "base/win/handles_win.h"

namespace kova {

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = EnumSet<TFontStyle>;
enum class TFontQuality {
  fqDefault,
  fqDraft,
  fqProof,
  fqNonAntialiased,
  fqAntialiased,
  fqClearType,
  fqClearTypeNatural
};
enum class TBrushStyle { bsSolid, bsClear };
enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };

extern const EnumTypeInfo kFontStyleInfo;
extern const EnumTypeInfo kFontQualityInfo;
extern const EnumTypeInfo kBrushStyleInfo;
extern const EnumTypeInfo kPenStyleInfo;

// Screen resolution used to convert between point sizes and pixel heights.
int ScreenPixelsPerInch();
COLORREF ColorToRGB(TColor color);

// Base of the three: change notification and handle ownership.
class TGraphicsObject : public TPersistent {
  KOVA_DECLARE_CLASS(TGraphicsObject)

 public:
  TNotifyEvent OnChange;

 protected:
  void Changed();
};

class TFont : public TGraphicsObject {
  KOVA_DECLARE_CLASS(TFont)

 public:
  TFont();

  WideString Name() const { return name_; }
  void SetName(const WideString& name);
  // Negative: character height in pixels; positive: cell height.
  int Height() const { return height_; }
  void SetHeight(int height);
  // Points (rounded), derived from Height.
  int Size() const;
  void SetSize(int points);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Charset() const { return charset_; }
  void SetCharset(int charset);
  TFontQuality Quality() const { return quality_; }
  void SetQuality(TFontQuality quality);

  // The font handle, made on first use.
  HFONT Handle() const;
  // Takes ownership of a font handle; the attributes follow its logical description.
  // The colour is kept.
  void SetHandle(HFONT font);
  LOGFONTW LogFont() const;

  void Assign(const TPersistent* source) override;

 private:
  void Attributes(const LOGFONTW& log_font);
  void AttributeChanged();

  WideString name_ = u"Tahoma";
  int height_ = -11;
  TFontStyles style_;
  TColor color_ = clWindowText;
  int charset_ = DEFAULT_CHARSET;
  TFontQuality quality_ = TFontQuality::fqDefault;
  mutable UniqueFont handle_;
};

class TBrush : public TGraphicsObject {
  KOVA_DECLARE_CLASS(TBrush)

 public:
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style);
  HBRUSH Handle() const;
  void Assign(const TPersistent* source) override;

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = TBrushStyle::bsSolid;
  mutable UniqueBrush handle_;
};

class TPen : public TGraphicsObject {
  KOVA_DECLARE_CLASS(TPen)

 public:
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Width() const { return width_; }
  void SetWidth(int width);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle style);
  HPEN Handle() const;
  void Assign(const TPersistent* source) override;

 private:
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = TPenStyle::psSolid;
  mutable UniquePen handle_;
};

}  // namespace kova
