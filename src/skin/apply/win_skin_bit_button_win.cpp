#include "skin/apply/win_skin_bit_button_win.h"

#include <windowsx.h>

#include <array>

#include "base/win/handles_win.h"
#include "forms/controls/buttons.h"
#include "forms/controls/menus.h"
#include "forms/graphics/dib_bitmap.h"
#include "forms/graphics/glyph_layout.h"
#include "forms/graphics/png_image.h"
#include "skin/apply/skin_properties.h"

namespace kova {

namespace {

constexpr int kGlyphSpacing = 4;

// A glyph as pixels with what is see-through in it: a bitmap's bottom-left colour, or a
// PNG image's alpha.
struct GlyphPixels {
  TBitmap pixels;
  bool alpha = false;
  TColor key = 0;
};

GlyphPixels ReadGlyph(const TObject* glyph) {
  GlyphPixels out;
  if (const auto* png = dynamic_cast<const TPngImage*>(glyph); png != nullptr && !png->Empty()) {
    out.pixels = png->Pixels();
    out.alpha = true;
  } else if (const auto* bitmap = dynamic_cast<const TDibBitmap*>(glyph);
             bitmap != nullptr && !bitmap->Empty()) {
    out.pixels = bitmap->ToPixels();
    out.key = out.pixels.Pixel(0, out.pixels.Height() - 1) & 0xFFFFFF;
  }
  return out;
}

void DrawGlyphPixels(HDC dc, GlyphPixels glyph, POINT at, bool enabled) {
  const int w = glyph.pixels.Width();
  const int h = glyph.pixels.Height();
  if (w == 0 || h == 0) {
    return;
  }
  if (!enabled) {
    glyph.pixels = GetDisableImg(glyph.pixels, glyph.alpha ? -1 : glyph.key);
  }
  if (glyph.alpha) {
    TDibBitmap drawn;
    drawn.AssignPixels(glyph.pixels);
    drawn.SetTransparent(true);
    drawn.Draw(dc, RECT{at.x, at.y, at.x + w, at.y + h});
    return;
  }
  DrawKeyedPixels(dc, glyph.pixels, glyph.key, at);
}

SIZE MeasureText(HDC dc, const WideString& text) {
  if (text.empty()) {
    return SIZE{0, 0};
  }
  RECT r{0, 0, 0, 0};
  DrawTextW(dc, AsWin(text), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

GlyphSide SideFromLayout(const TObject* control) {
  const std::string layout = GetEnumProperty(control, "Layout");
  if (layout == "blGlyphRight") {
    return GlyphSide::kRight;
  }
  if (layout == "blGlyphTop") {
    return GlyphSide::kTop;
  }
  if (layout == "blGlyphBottom") {
    return GlyphSide::kBottom;
  }
  return GlyphSide::kLeft;
}

}  // namespace

void DrawArrow(HDC dc, const RECT& rect, COLORREF color) {
  const int cx = (rect.left + rect.right) / 2;
  const int cy = (rect.top + rect.bottom) / 2;
  const std::array<POINT, 3> points{POINT{cx - 3, cy - 1}, POINT{cx + 4, cy - 1},
                                    POINT{cx, cy + 3}};
  const UniqueBrush brush(CreateSolidBrush(color));
  const UniquePen pen(CreatePen(PS_SOLID, 1, color));
  const ScopedSelectObject with_brush(dc, brush.Get());
  const ScopedSelectObject with_pen(dc, pen.Get());
  Polygon(dc, points.data(), static_cast<int>(points.size()));
}

// --- TSkinBitButton ---

const ClassInfo& TSkinBitButton::StaticClass() {
  static const ClassInfo info("TSkinBitButton", &TSkinButton::StaticClass(), {});
  return info;
}

const TObject* TSkinBitButton::Described() const {
  if (control_ != nullptr) {
    return control_;
  }
  return graphic_control_;
}

void TSkinBitButton::DrawFace(HDC dc, const RECT& face, int frame, const PushButtonLook& look) {
  const TObject* control = Described();
  const GlyphPixels glyph = ReadGlyph(GetObjProp(control, png_glyph_ ? "PngImage" : "Glyph"));
  const WideString caption = CaptionText();
  const SIZE text = MeasureText(dc, caption);
  const int spacing = HasProperty(control, "Spacing")
                          ? static_cast<int>(GetIntProperty(control, "Spacing"))
                          : kGlyphSpacing;
  RECT inner = face;
  if (frame == 2) {
    OffsetRect(&inner, 1, 1);  // a pressed face moves with the press
  }
  const GlyphLayout placed =
      PlaceGlyphAndText({inner.left, inner.top, inner.right, inner.bottom}, glyph.pixels.Width(),
                        glyph.pixels.Height(), text.cx, text.cy, SideFromLayout(control), spacing);
  DrawGlyphPixels(dc, glyph, POINT{placed.glyph.left, placed.glyph.top}, look.enabled);
  if (!caption.empty()) {
    RECT r{placed.text.left, placed.text.top, placed.text.right, placed.text.bottom};
    DrawTextW(dc, AsWin(caption), static_cast<int>(caption.size()), &r, DT_SINGLELINE);
  }
}

// --- TSkinSpeedButton ---

const ClassInfo& TSkinSpeedButton::StaticClass() {
  static const ClassInfo info("TSkinSpeedButton", &TSkinBitButton::StaticClass(), {});
  return info;
}

bool TSkinSpeedButton::BeforeProc(TMessage& message) {
  if (message.Msg == WM_PAINT) {
    WMPaint(message);
    return false;
  }
  if (message.Msg == WM_ERASEBKGND) {
    message.Result = 1;
    return false;
  }
  return TSkinControl::BeforeProc(message);
}

void TSkinSpeedButton::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (WindowEnabled()) {
        button_state_.pressed = true;
        Invalidate();
      }
      break;
    case WM_LBUTTONUP:
      button_state_.pressed = false;
      Invalidate();
      break;
    case CM_MOUSEENTER:
      if (WindowEnabled() && !button_state_.hot) {
        button_state_.hot = true;
        Invalidate();
      }
      break;
    case CM_MOUSELEAVE:
      React(PushButtonEvent::kMouseLeave);
      break;
    default:
      TSkinControl::AfterProc(message);
      break;
  }
}

PushButtonLook TSkinSpeedButton::Look() const {
  PushButtonLook look;
  look.enabled = WindowEnabled();
  return look;
}

void TSkinSpeedButton::DrawControl(HDC dc, const RECT& rect) {
  const PushButtonState saved = button_state_;
  if (GetProperty(Described(), "Down") == u"True") {
    button_state_.pressed = true;  // a button that stays down shows the pressed frame
  }
  TSkinBitButton::DrawControl(dc, rect);
  button_state_ = saved;
}

// --- TSkinMenuButton ---

const ClassInfo& TSkinMenuButton::StaticClass() {
  static const ClassInfo info("TSkinMenuButton", &TSkinButton::StaticClass(), {});
  return info;
}

bool TSkinMenuButton::BeforeProc(TMessage& message) {
  if (message.Msg == WM_LBUTTONDOWN && handle_ != nullptr) {
    RECT client{};
    GetClientRect(handle_, &client);
    auto* menu =
        dynamic_cast<TPopupMenu*>(GetObjProp(control_, "DropDownMenu", &TPopupMenu::StaticClass()));
    if (menu != nullptr && GET_X_LPARAM(message.LParam) >= client.right - kDropDownWidth) {
      POINT below{client.left, client.bottom};
      ClientToScreen(handle_, &below);
      button_state_.pressed = true;
      Invalidate();
      menu->Popup(below.x, below.y);
      button_state_.pressed = false;
      Invalidate();
      message.Result = 0;
      return false;
    }
  }
  return TSkinButton::BeforeProc(message);
}

void TSkinMenuButton::DrawFace(HDC dc, const RECT& face, int frame, const PushButtonLook& look) {
  RECT drop = face;
  drop.left = std::max<LONG>(face.right - kDropDownWidth, face.left);
  RECT caption = face;
  caption.right = drop.left;
  TSkinButton::DrawFace(dc, caption, frame, look);
  // A separator line and the arrow, in the caption's colour.
  const COLORREF color = GetTextColor(dc);
  const UniquePen pen(CreatePen(PS_SOLID, 1, color));
  const ScopedSelectObject with_pen(dc, pen.Get());
  MoveToEx(dc, drop.left, face.top + 4, nullptr);
  LineTo(dc, drop.left, face.bottom - 4);
  DrawArrow(dc, drop, color);
}

}  // namespace kova
