#include "forms/kovactrl/kova_button.h"

#include <algorithm>

#include "forms/graphics/pixel_draw_win.h"
#include "forms/graphics/png_image.h"

namespace kova {

namespace {

// Draws a picture into rect keeping `margin` pixels at each edge unstretched (the
// corners keep their size, the edges stretch along one axis, the middle along both).
void DrawNineSlice(HDC dc, const RECT& rect, const TGraphic& graphic, int margin) {
  const auto* png = dynamic_cast<const TPngImage*>(&graphic);
  const int w = rect.right - rect.left;
  const int h = rect.bottom - rect.top;
  const int sw = graphic.Width();
  const int sh = graphic.Height();
  // Keep at least one source pixel between the margins to stretch.
  const int mx = std::min({margin, (sw - 1) / 2, w / 2});
  const int my = std::min({margin, (sh - 1) / 2, h / 2});
  if (png == nullptr || (mx == 0 && my == 0)) {
    graphic.Draw(dc, rect);
    return;
  }
  UniqueBitmap dib = MakeDibSection(png->Pixels(), true);
  UniqueMemoryDC memory(CreateCompatibleDC(dc));
  ScopedSelectObject select(memory.Get(), dib.Get());
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  const int dx[4] = {rect.left, rect.left + mx, rect.right - mx, rect.right};
  const int dy[4] = {rect.top, rect.top + my, rect.bottom - my, rect.bottom};
  const int sx[4] = {0, mx, sw - mx, sw};
  const int sy[4] = {0, my, sh - my, sh};
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) {
      const int dw = dx[col + 1] - dx[col], dh = dy[row + 1] - dy[row];
      const int srcw = sx[col + 1] - sx[col], srch = sy[row + 1] - sy[row];
      if (dw > 0 && dh > 0 && srcw > 0 && srch > 0) {
        AlphaBlend(dc, dx[col], dy[row], dw, dh, memory.Get(), sx[col], sy[row], srcw, srch, blend);
      }
    }
  }
}

}  // namespace

const ClassInfo& TKOVAButton::StaticClass() {
  static const ClassInfo info(
      "TKOVAButton", &TCustomControl::StaticClass(),
      PropertyListBuilder<TKOVAButton>()
          .Enum("Alignment", kAlignmentInfo, &TKOVAButton::Alignment, &TKOVAButton::SetAlignment)
          .Integer("DisabledSkinImageIndex", &TKOVAButton::DisabledSkinImageIndex,
                   &TKOVAButton::SetDisabledSkinImageIndex)
          .Integer("DownSkinImageIndex", &TKOVAButton::DownSkinImageIndex,
                   &TKOVAButton::SetDownSkinImageIndex)
          .Integer("ModalResult", &TKOVAButton::ModalResult, &TKOVAButton::SetModalResult)
          .Integer("OverSkinImageIndex", &TKOVAButton::OverSkinImageIndex,
                   &TKOVAButton::SetOverSkinImageIndex)
          .Boolean("StrechSkin", &TKOVAButton::StrechSkin, &TKOVAButton::SetStrechSkin)
          .Integer("StretchMargin", &TKOVAButton::StretchMargin, &TKOVAButton::SetStretchMargin)
          .Integer(
              "TextColorNormal",
              [](const TKOVAButton& b) { return b.StateTextColor(State::kNormal); },
              [](TKOVAButton& b, int64_t v) {
                b.SetStateTextColor(State::kNormal, static_cast<TColor>(v));
              })
          .Integer(
              "TextColorOver", [](const TKOVAButton& b) { return b.StateTextColor(State::kOver); },
              [](TKOVAButton& b, int64_t v) {
                b.SetStateTextColor(State::kOver, static_cast<TColor>(v));
              })
          .Integer(
              "TextColorDown", [](const TKOVAButton& b) { return b.StateTextColor(State::kDown); },
              [](TKOVAButton& b, int64_t v) {
                b.SetStateTextColor(State::kDown, static_cast<TColor>(v));
              })
          .Integer(
              "TextColorDisabled",
              [](const TKOVAButton& b) { return b.StateTextColor(State::kDisabled); },
              [](TKOVAButton& b, int64_t v) {
                b.SetStateTextColor(State::kDisabled, static_cast<TColor>(v));
              })
          .Build());
  return info;
}

TKOVAButton::TKOVAButton(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 97, 24);
  SetCursor(crHandPoint);
  tab_stop_ = true;
  skin_images_.OnChange = [this](TObject*) { Invalidate(); };
}

TKOVAButton::~TKOVAButton() {
  skin_images_.OnChange = nullptr;
}

void TKOVAButton::SetOverSkinImageIndex(int index) {
  over_index_ = index;
  Invalidate();
}
void TKOVAButton::SetDownSkinImageIndex(int index) {
  down_index_ = index;
  Invalidate();
}
void TKOVAButton::SetDisabledSkinImageIndex(int index) {
  disabled_index_ = index;
  Invalidate();
}
void TKOVAButton::SetStrechSkin(bool stretch) {
  stretch_ = stretch;
  Invalidate();
}
void TKOVAButton::SetStretchMargin(int margin) {
  stretch_margin_ = std::max(margin, 0);
  Invalidate();
}
void TKOVAButton::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  Invalidate();
}
void TKOVAButton::SetStateTextColor(State state, TColor color) {
  text_colors_[static_cast<int>(state)] = color;
  Invalidate();
}

TKOVAButton::State TKOVAButton::CurrentState() const {
  if (!Enabled()) {
    return State::kDisabled;
  }
  if (pressed_ && (MouseInControl() || GetCapture() == nullptr)) {
    return State::kDown;
  }
  return MouseInControl() ? State::kOver : State::kNormal;
}

int TKOVAButton::ImageIndexFor(State state) const {
  int index = 0;
  switch (state) {
    case State::kOver:
      index = over_index_;
      break;
    case State::kDown:
      index = down_index_;
      break;
    case State::kDisabled:
      index = disabled_index_;
      break;
    default:
      break;
  }
  return index >= 0 && index < skin_images_.Count() ? index : 0;
}

void TKOVAButton::Click() {
  if (modal_result_ != mrNone) {
    for (TControl* c = Parent(); c != nullptr; c = c->Parent()) {
      if (auto* form = dynamic_cast<TForm*>(c)) {
        form->SetModalResult(modal_result_);
        break;
      }
    }
  }
  TCustomControl::Click();
}

void TKOVAButton::Paint() {
  const RECT r = ClientRect();
  // The parent's colour shows through the transparent parts of the images.
  Canvas().Brush().SetColor(Parent() != nullptr ? Parent()->Color() : Color());
  Canvas().Brush().SetStyle(TBrushStyle::bsSolid);
  Canvas().FillRect(r);
  const State state = CurrentState();
  if (const TGraphic* image = skin_images_.GetGraphic(ImageIndexFor(state))) {
    if (stretch_) {
      DrawNineSlice(Canvas().Handle(), r, *image, stretch_margin_);
    } else {
      image->Draw(Canvas().Handle(), RECT{0, 0, image->Width(), image->Height()});
    }
  }
  const WideString text = GetText();
  if (!text.empty()) {
    UINT flags = DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    flags |= alignment_ == TAlignment::taCenter         ? DT_CENTER
             : alignment_ == TAlignment::taRightJustify ? DT_RIGHT
                                                        : DT_LEFT;
    RECT text_rect = r;
    if (state == State::kDown) {
      OffsetRect(&text_rect, 1, 1);
    }
    Canvas().Font().SetColor(text_colors_[static_cast<int>(state)]);
    Canvas().TextRect(text_rect, text, flags);
  }
}

void TKOVAButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (Enabled()) {
        if (CanFocus()) {
          SetFocus();
        }
        pressed_ = true;
        SetCapture(WindowHandle());
        Invalidate();
      }
      break;
    case WM_LBUTTONUP:
      pressed_ = false;
      if (GetCapture() == WindowHandle()) {
        ReleaseCapture();
      }
      Invalidate();
      break;
    case WM_MOUSEMOVE: {
      // While captured, hover follows whether the mouse is still over the button.
      const POINT p{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
      const RECT r = ClientRect();
      if (pressed_ && !PtInRect(&r, p) && MouseInControl()) {
        SendMessageW(WindowHandle(), CM_MOUSELEAVE, 0, 0);
      }
      break;
    }
    case WM_KEYDOWN:
      if (m.WParam == VK_SPACE) {
        pressed_ = true;
        Invalidate();
        return;
      }
      if (m.WParam == VK_RETURN) {
        Click();
        return;
      }
      break;
    case WM_KEYUP:
      if (m.WParam == VK_SPACE && pressed_) {
        pressed_ = false;
        Invalidate();
        Click();
        return;
      }
      break;
    case WM_KILLFOCUS:
      pressed_ = false;
      Invalidate();
      break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
    case CM_ENABLEDCHANGED:
      TCustomControl::WndProc(m);
      Invalidate();
      return;
    default:
      break;
  }
  TCustomControl::WndProc(m);
}

}  // namespace kova
