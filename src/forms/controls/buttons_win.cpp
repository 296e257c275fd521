#include "forms/controls/buttons.h"

#include "base/win/handles_win.h"
#include "forms/graphics/glyph_layout.h"

namespace kova {

const EnumTypeInfo kBitBtnKindInfo{"TBitBtnKind",
                                   {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo",
                                    "bkClose", "bkAbort", "bkRetry", "bkIgnore", "bkAll"}};
const EnumTypeInfo kButtonLayoutInfo{
    "TButtonLayout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}};

namespace {

struct KindDefaults {
  const char16_t* caption;
  TModalResult result;
};

KindDefaults DefaultsOf(TBitBtnKind kind) {
  switch (kind) {
    case TBitBtnKind::bkOK:
      return {u"OK", mrOk};
    case TBitBtnKind::bkCancel:
      return {u"Cancel", mrCancel};
    case TBitBtnKind::bkHelp:
      return {u"&Help", mrNone};
    case TBitBtnKind::bkYes:
      return {u"&Yes", mrYes};
    case TBitBtnKind::bkNo:
      return {u"&No", mrNo};
    case TBitBtnKind::bkClose:
      return {u"&Close", mrNone};
    case TBitBtnKind::bkAbort:
      return {u"Abort", mrAbort};
    case TBitBtnKind::bkRetry:
      return {u"&Retry", mrRetry};
    case TBitBtnKind::bkIgnore:
      return {u"&Ignore", mrIgnore};
    case TBitBtnKind::bkAll:
      return {u"&All", 8};
    case TBitBtnKind::bkCustom:
      break;
  }
  return {u"", mrNone};
}

std::unique_ptr<TDibBitmap> CopyGlyph(const TDibBitmap* glyph) {
  if (glyph == nullptr || glyph->Empty()) {
    return nullptr;
  }
  auto copy = std::make_unique<TDibBitmap>();
  copy->AssignPixels(glyph->ToPixels());
  return copy;
}

GlyphSide SideOf(TButtonLayout layout) {
  return static_cast<GlyphSide>(layout);
}

RECT ToRect(const LayoutRect& r) {
  return RECT{r.left, r.top, r.right, r.bottom};
}

}  // namespace

void DrawKeyedPixels(HDC dc, const TBitmap& pixels, TColor key, POINT at) {
  const int width = pixels.Width();
  const int height = pixels.Height();
  if (width == 0 || height == 0) {
    return;
  }
  // A mask that keeps the background where the key is, and the picture with the key
  // blacked out, laid over it.
  TBitmap mask(width, height);
  TBitmap picture(pixels);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool see_through = (pixels.Pixel(x, y) & 0xFFFFFF) == (key & 0xFFFFFF);
      mask.SetPixel(x, y, see_through ? 0xFFFFFF : 0);
      if (see_through) {
        picture.SetPixel(x, y, 0);
      }
    }
  }
  TDibBitmap mask_dib;
  mask_dib.AssignPixels(mask);
  TDibBitmap picture_dib;
  picture_dib.AssignPixels(picture);
  BitBlt(dc, at.x, at.y, width, height, mask_dib.Canvas().Handle(), 0, 0, SRCAND);
  BitBlt(dc, at.x, at.y, width, height, picture_dib.Canvas().Handle(), 0, 0, SRCPAINT);
}

void DrawGlyph(HDC dc, const TDibBitmap& glyph, POINT at, bool enabled) {
  if (glyph.Empty()) {
    return;
  }
  TBitmap pixels = glyph.ToPixels();
  const TColor key = pixels.Pixel(0, pixels.Height() - 1) & 0xFFFFFF;
  if (!enabled) {
    pixels = GetDisableImg(pixels, key);
  }
  DrawKeyedPixels(dc, pixels, key, at);
}

void DrawGlyphAndCaption(HDC dc, const RECT& client, const TDibBitmap* glyph,
                         const WideString& caption, TButtonLayout layout, int spacing,
                         bool enabled) {
  SIZE text{0, 0};
  if (!caption.empty()) {
    RECT measured{0, 0, 0, 0};
    DrawTextW(dc, AsWin(caption), static_cast<int>(caption.size()), &measured,
              DT_CALCRECT | DT_SINGLELINE);
    text = SIZE{measured.right, measured.bottom};
  }
  const bool has_glyph = glyph != nullptr && !glyph->Empty();
  const GlyphLayout placed = PlaceGlyphAndText(
      {client.left, client.top, client.right, client.bottom}, has_glyph ? glyph->Width() : 0,
      has_glyph ? glyph->Height() : 0, text.cx, text.cy, SideOf(layout), spacing);
  if (has_glyph) {
    DrawGlyph(dc, *glyph, POINT{placed.glyph.left, placed.glyph.top}, enabled);
  }
  if (!caption.empty()) {
    RECT r = ToRect(placed.text);
    SetBkMode(dc, TRANSPARENT);
    if (!enabled) {
      SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    }
    DrawTextW(dc, AsWin(caption), static_cast<int>(caption.size()), &r, DT_SINGLELINE);
  }
}

// --- TBitBtn ---

const ClassInfo& TBitBtn::StaticClass() {
  static const ClassInfo info(
      "TBitBtn", &TButton::StaticClass(),
      PropertyListBuilder<TBitBtn>()
          .Object<TDibBitmap>("Glyph", &TBitBtn::Glyph, &TBitBtn::SetGlyph)
          .Enum("Kind", kBitBtnKindInfo, &TBitBtn::Kind, &TBitBtn::SetKind)
          .Enum("Layout", kButtonLayoutInfo, &TBitBtn::Layout, &TBitBtn::SetLayout)
          .Integer("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing)
          .Build());
  return info;
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

TBitBtn::~TBitBtn() = default;

void TBitBtn::CreateParams(TCreateParams& params) {
  TButton::CreateParams(params);
  params.style = (params.style & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW;
}

void TBitBtn::SetGlyph(TDibBitmap* glyph) {
  glyph_ = CopyGlyph(glyph);
  Invalidate();
}

void TBitBtn::SetKind(TBitBtnKind kind) {
  kind_ = kind;
  const KindDefaults defaults = DefaultsOf(kind);
  if (kind != TBitBtnKind::bkCustom) {
    if (GetText().empty()) {
      SetCaption(defaults.caption);
    }
    if (ModalResult() == mrNone) {
      SetModalResult(defaults.result);
    }
    SetCancel(kind == TBitBtnKind::bkCancel);
  }
  Invalidate();
}

void TBitBtn::SetLayout(TButtonLayout layout) {
  layout_ = layout;
  Invalidate();
}

void TBitBtn::SetSpacing(int spacing) {
  spacing_ = spacing;
  Invalidate();
}

bool TBitBtn::DrawItemReflected(const DRAWITEMSTRUCT& item) {
  RECT r = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool enabled = (item.itemState & ODS_DISABLED) == 0;
  DrawFrameControl(item.hDC, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  if (pressed) {
    OffsetRect(&r, 1, 1);
  }
  const ScopedSelectObject font(item.hDC, Font().Handle());
  SetTextColor(item.hDC, ColorToRGB(Font().Color()));
  DrawGlyphAndCaption(item.hDC, r, glyph_.get(), GetText(), layout_, spacing_, enabled);
  if ((item.itemState & ODS_FOCUS) != 0) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(item.hDC, &focus);
  }
  return true;
}

// --- TSpeedButton ---

const ClassInfo& TSpeedButton::StaticClass() {
  static const ClassInfo info(
      "TSpeedButton", &TGraphicControl::StaticClass(),
      PropertyListBuilder<TSpeedButton>()
          .Boolean("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp)
          .Boolean("Down", &TSpeedButton::Down, &TSpeedButton::SetDown)
          .Boolean("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat)
          .Object<TDibBitmap>("Glyph", &TSpeedButton::Glyph, &TSpeedButton::SetGlyph)
          .Integer("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex)
          .Enum("Layout", kButtonLayoutInfo, &TSpeedButton::Layout, &TSpeedButton::SetLayout)
          .Build());
  return info;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 23, 22);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetGlyph(TDibBitmap* glyph) {
  glyph_ = CopyGlyph(glyph);
  Invalidate();
}

void TSpeedButton::SetFlat(bool flat) {
  flat_ = flat;
  Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout layout) {
  layout_ = layout;
  Invalidate();
}

void TSpeedButton::SetDown(bool down) {
  if (group_index_ == 0) {
    down = false;  // only buttons of a group stay down
  }
  if (down == down_) {
    return;
  }
  if (!down && !allow_all_up_ && !IsLoading()) {
    return;  // one button of the group stays down
  }
  down_ = down;
  if (down && Parent() != nullptr) {
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
      auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
      if (other != nullptr && other != this && other->group_index_ == group_index_) {
        other->down_ = false;
        other->Invalidate();
      }
    }
  }
  Invalidate();
}

void TSpeedButton::Click() {
  if (group_index_ != 0) {
    if (!down_) {
      SetDown(true);
    } else if (allow_all_up_) {
      SetDown(false);
    }
  }
  TGraphicControl::Click();
}

void TSpeedButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (Enabled()) {
        pressed_ = true;
        Invalidate();
      }
      break;
    case WM_LBUTTONUP:
      if (pressed_) {
        pressed_ = false;
        Invalidate();
      }
      break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (flat_) {
        Invalidate();
      }
      break;
    default:
      break;
  }
  TGraphicControl::WndProc(message);
}

void TSpeedButton::Paint() {
  RECT r = ClientRect();
  HDC dc = Canvas().Handle();
  const bool sunk = pressed_ || down_;
  Canvas().Brush().SetColor(Color());
  Canvas().FillRect(r);
  if (!flat_ || sunk || MouseInControl()) {
    DrawEdge(dc, &r, sunk ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  }
  if (sunk) {
    OffsetRect(&r, 1, 1);
  }
  const ScopedSelectObject font(dc, Font().Handle());
  SetTextColor(dc, ColorToRGB(Font().Color()));
  DrawGlyphAndCaption(dc, r, glyph_.get(), GetText(), layout_, 4, Enabled());
}

}  // namespace kova
