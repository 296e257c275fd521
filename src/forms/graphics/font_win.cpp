#include "forms/graphics/font_win.h"

#include <algorithm>
#include <cstring>

namespace kova {

const EnumTypeInfo kFontStyleInfo{"TFontStyle",
                                  {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
const EnumTypeInfo kFontQualityInfo{"TFontQuality",
                                    {"fqDefault", "fqDraft", "fqProof", "fqNonAntialiased",
                                     "fqAntialiased", "fqClearType", "fqClearTypeNatural"}};
const EnumTypeInfo kBrushStyleInfo{"TBrushStyle", {"bsSolid", "bsClear"}};
const EnumTypeInfo kPenStyleInfo{
    "TPenStyle", {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear"}};

int ScreenPixelsPerInch() {
  static const int ppi = [] {
    ScopedGetDC screen(nullptr);
    const int value = screen.Get() != nullptr ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
    return value > 0 ? value : 96;
  }();
  return ppi;
}

COLORREF ColorToRGB(TColor color) {
  if (IsSystemColor(color)) {
    return GetSysColor(color & 0xFF);
  }
  return static_cast<COLORREF>(color) & 0xFFFFFF;
}

const ClassInfo& TGraphicsObject::StaticClass() {
  static const ClassInfo info("TGraphicsObject", &TPersistent::StaticClass(), {});
  return info;
}

void TGraphicsObject::Changed() {
  if (OnChange) {
    OnChange(this);
  }
}

const ClassInfo& TFont::StaticClass() {
  static const ClassInfo info(
      "TFont", &TGraphicsObject::StaticClass(),
      PropertyListBuilder<TFont>()
          .Integer("Charset", &TFont::Charset, &TFont::SetCharset)
          .Integer("Color", &TFont::Color, &TFont::SetColor)
          .Integer("Height", &TFont::Height, &TFont::SetHeight)
          .String("Name", &TFont::Name, &TFont::SetName)
          .Enum("Quality", kFontQualityInfo, &TFont::Quality, &TFont::SetQuality)
          .Integer("Size", &TFont::Size, &TFont::SetSize)
          .Set<TFontStyle>("Style", kFontStyleInfo, &TFont::Style, &TFont::SetStyle)
          .Build());
  return info;
}

TFont::TFont() = default;

void TFont::AttributeChanged() {
  handle_.Reset();
  Changed();
}

void TFont::SetName(const WideString& name) {
  if (name != name_ && !name.empty()) {
    name_ = name;
    AttributeChanged();
  }
}

void TFont::SetHeight(int height) {
  if (height != height_) {
    height_ = height;
    AttributeChanged();
  }
}

int TFont::Size() const {
  return -MulDiv(height_, 72, ScreenPixelsPerInch());
}

void TFont::SetSize(int points) {
  SetHeight(-MulDiv(points, ScreenPixelsPerInch(), 72));
}

void TFont::SetStyle(TFontStyles style) {
  if (!(style == style_)) {
    style_ = style;
    AttributeChanged();
  }
}

void TFont::SetColor(TColor color) {
  if (color != color_) {
    color_ = color;
    Changed();  // the colour is not part of the handle
  }
}

void TFont::SetCharset(int charset) {
  if (charset != charset_) {
    charset_ = charset;
    AttributeChanged();
  }
}

void TFont::SetQuality(TFontQuality quality) {
  if (quality != quality_) {
    quality_ = quality;
    AttributeChanged();
  }
}

LOGFONTW TFont::LogFont() const {
  LOGFONTW lf{};
  lf.lfHeight = height_;
  lf.lfWeight = style_.Has(TFontStyle::fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = style_.Has(TFontStyle::fsItalic);
  lf.lfUnderline = style_.Has(TFontStyle::fsUnderline);
  lf.lfStrikeOut = style_.Has(TFontStyle::fsStrikeOut);
  lf.lfCharSet = static_cast<BYTE>(charset_);
  lf.lfQuality = static_cast<BYTE>(quality_);
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  const size_t n = std::min(name_.size(), size_t{LF_FACESIZE - 1});
  std::memcpy(lf.lfFaceName, name_.data(), n * sizeof(char16_t));
  return lf;
}

HFONT TFont::Handle() const {
  if (!handle_) {
    const LOGFONTW lf = LogFont();
    handle_ = UniqueFont(CreateFontIndirectW(&lf));
  }
  return handle_.Get();
}

void TFont::Attributes(const LOGFONTW& lf) {
  height_ = lf.lfHeight;
  TFontStyles style;
  if (lf.lfWeight >= FW_BOLD) {
    style.Include(TFontStyle::fsBold);
  }
  if (lf.lfItalic) {
    style.Include(TFontStyle::fsItalic);
  }
  if (lf.lfUnderline) {
    style.Include(TFontStyle::fsUnderline);
  }
  if (lf.lfStrikeOut) {
    style.Include(TFontStyle::fsStrikeOut);
  }
  style_ = style;
  charset_ = lf.lfCharSet;
  quality_ = lf.lfQuality <= 6 ? static_cast<TFontQuality>(lf.lfQuality) : TFontQuality::fqDefault;
  name_ = WideFromWin(lf.lfFaceName);
}

void TFont::SetHandle(HFONT font) {
  if (font == nullptr || font == handle_.Get()) {
    return;
  }
  LOGFONTW lf{};
  if (GetObjectW(font, sizeof(lf), &lf) != 0) {
    Attributes(lf);
  }
  handle_ = UniqueFont(font);
  Changed();
}

void TFont::Assign(const TPersistent* source) {
  if (const auto* other = dynamic_cast<const TFont*>(source)) {
    name_ = other->name_;
    height_ = other->height_;
    style_ = other->style_;
    color_ = other->color_;
    charset_ = other->charset_;
    quality_ = other->quality_;
    AttributeChanged();
    return;
  }
  TPersistent::Assign(source);
}

const ClassInfo& TBrush::StaticClass() {
  static const ClassInfo info("TBrush", &TGraphicsObject::StaticClass(),
                              PropertyListBuilder<TBrush>()
                                  .Integer("Color", &TBrush::Color, &TBrush::SetColor)
                                  .Enum("Style", kBrushStyleInfo, &TBrush::Style, &TBrush::SetStyle)
                                  .Build());
  return info;
}

void TBrush::SetColor(TColor color) {
  if (color != color_) {
    color_ = color;
    handle_.Reset();
    Changed();
  }
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style != style_) {
    style_ = style;
    handle_.Reset();
    Changed();
  }
}

HBRUSH TBrush::Handle() const {
  if (!handle_) {
    LOGBRUSH lb{};
    lb.lbStyle = style_ == TBrushStyle::bsClear ? BS_NULL : BS_SOLID;
    lb.lbColor = ColorToRGB(color_);
    handle_ = UniqueBrush(CreateBrushIndirect(&lb));
  }
  return handle_.Get();
}

void TBrush::Assign(const TPersistent* source) {
  if (const auto* other = dynamic_cast<const TBrush*>(source)) {
    color_ = other->color_;
    style_ = other->style_;
    handle_.Reset();
    Changed();
    return;
  }
  TPersistent::Assign(source);
}

const ClassInfo& TPen::StaticClass() {
  static const ClassInfo info("TPen", &TGraphicsObject::StaticClass(),
                              PropertyListBuilder<TPen>()
                                  .Integer("Color", &TPen::Color, &TPen::SetColor)
                                  .Enum("Style", kPenStyleInfo, &TPen::Style, &TPen::SetStyle)
                                  .Integer("Width", &TPen::Width, &TPen::SetWidth)
                                  .Build());
  return info;
}

void TPen::SetColor(TColor color) {
  if (color != color_) {
    color_ = color;
    handle_.Reset();
    Changed();
  }
}

void TPen::SetWidth(int width) {
  if (width != width_ && width >= 0) {
    width_ = width;
    handle_.Reset();
    Changed();
  }
}

void TPen::SetStyle(TPenStyle style) {
  if (style != style_) {
    style_ = style;
    handle_.Reset();
    Changed();
  }
}

HPEN TPen::Handle() const {
  if (!handle_) {
    static constexpr int kStyles[] = {PS_SOLID,   PS_DASH,       PS_DOT,
                                      PS_DASHDOT, PS_DASHDOTDOT, PS_NULL};
    handle_ = UniquePen(CreatePen(kStyles[static_cast<int>(style_)], width_, ColorToRGB(color_)));
  }
  return handle_.Get();
}

void TPen::Assign(const TPersistent* source) {
  if (const auto* other = dynamic_cast<const TPen*>(source)) {
    color_ = other->color_;
    width_ = other->width_;
    style_ = other->style_;
    handle_.Reset();
    Changed();
    return;
  }
  TPersistent::Assign(source);
}

}  // namespace kova
