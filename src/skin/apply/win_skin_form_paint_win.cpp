// Painting the skinned non-client area: the border strips composed from the skin's
// images, and the title strip (top border, text background, caption text, caption
// buttons) composed off screen and put on the window in one copy.
#include <windows.h>

#include <algorithm>
#include <string>

#include "base/win/handles_win.h"
#include "forms/graphics/dib_bitmap.h"
#include "forms/graphics/pixel_draw_win.h"
#include "skin/apply/frame_region.h"
#include "skin/apply/title_strip.h"
#include "skin/apply/win_skin_form_win.h"
#include "skin/data/frame_compose.h"
#include "skin/data/system_colors.h"

namespace kova {

namespace {

TBitmap StripOf(const TSkinData& data, BorderSide side, int width, int height, bool active) {
  const TDataSkinBorder* border = BorderObject(data, side);
  return border != nullptr ? ComposeBorderStrip(*border, side, width, height, active) : TBitmap();
}

}  // namespace

void TWinSkinForm::UpdateStyle(bool painting) {
  if (!IsWindow(handle_) || border_icons_.Has(SkinBorderIcon::kKeepSysMenuStyle)) {
    return;
  }
  const LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
  if (painting && (style & WS_SYSMENU)) {
    SetWindowLongPtrW(handle_, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_SYSMENU));
  } else if (!painting && !(style & WS_SYSMENU) && border_icons_.Has(SkinBorderIcon::kSystemMenu)) {
    SetWindowLongPtrW(handle_, GWL_STYLE, style | WS_SYSMENU);
  }
}

void TWinSkinForm::MakeCaptionFont() {
  if (caption_font_ || skin_data_ == nullptr) {
    return;
  }
  SkinCaptionFont font = skin_data_->CaptionFont;
  if (!font.valid) {
    font = SkinSystemCaptionFont();
  }
  const std::wstring face(font.face.begin(), font.face.end());
  caption_font_.Reset(CreateFontW(font.height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH, face.c_str()));
}

std::u16string TWinSkinForm::WindowText() const {
  const int length = GetWindowTextLengthW(handle_);
  if (length <= 0) {
    return {};
  }
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(handle_, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(copied, 0)));
  return std::u16string(text.begin(), text.end());
}

RECT TWinSkinForm::MeasureCaption(HDC dc, const std::u16string& text) const {
  RECT r{0, 0, 0, 0};
  if (text.empty()) {
    return r;
  }
  const ScopedSelectObject font(dc, caption_font_.Get());
  DrawTextW(dc, AsWin(text), static_cast<int>(text.size()), &r,
            DT_CALCRECT | DT_NOPREFIX | DT_NOCLIP | DT_SINGLELINE);
  return r;
}

void TWinSkinForm::UpdateNc(HDC dc) {
  if (skin_data_ == nullptr || skin_data_->Empty() || !IsWindow(handle_)) {
    return;
  }
  if (state_ != SkinFormState::kReady && state_ != SkinFormState::kChanging) {
    return;
  }
  if (border_style_ == SkinBorderStyle::kNone ||
      (form_style_ == SkinFormStyle::kMDIChild && window_state_ == SkinWindowState::kMaximized)) {
    return;
  }
  UpdateStyle(true);
  UniqueWindowDC own;
  if (dc == nullptr) {
    own = TakeWindowDC(handle_);
    dc = own.Get();
  }
  if (dc == nullptr) {
    return;
  }
  RECT window{};
  GetWindowRect(handle_, &window);
  width_ = window.right - window.left;
  height_ = window.bottom - window.top;
  const int w = width_;
  const int h = height_;
  const bool minimized = window_state_ == SkinWindowState::kMinimized;
  if (!minimized) {
    Drawborder(1, {0, 0, border_left_, h}, dc);
    Drawborder(2, {w - border_right_, 0, w, h}, dc);
    Drawborder(4, {border_left_, h - border_bottom_, w - border_right_, h}, dc);
  }
  DrawFLine(dc, nullptr, NCObjectState::kNormal);
  if (!minimized && MenuBar() != nullptr) {
    DrawMenuBar(dc);
  } else if (!minimized && menu_height_ > 0) {
    const RECT row{border_left_, caption_height_, w - border_right_,
                   caption_height_ + menu_height_};
    const UniqueBrush brush(CreateSolidBrush(
        static_cast<COLORREF>(ResolveColor(skin_data_->Color(TShemeColor::csMenuBar)))));
    FillRect(dc, &row, brush.Get());
  }
  if (hot_object_ != nullptr) {
    hot_object_->SetState(NCObjectState::kNormal);
    hot_object_ = nullptr;
  }
}

void TWinSkinForm::Drawborder(int index, const RECT& rect, HDC dc) {
  const int w = rect.right - rect.left;
  const int h = rect.bottom - rect.top;
  const TBitmap strip = StripOf(*skin_data_, static_cast<BorderSide>(index), w, h, active_);
  if (strip.Empty()) {
    return;
  }
  DrawPixels(dc, rect, strip, false);
}

void TWinSkinForm::DrawSysbtn(const TWinSysButton& button, NCObjectState state) {
  if (state_ != SkinFormState::kReady && state_ != SkinFormState::kChanging) {
    return;
  }
  if (!button.Visible() || button.Image().Empty() || !IsWindow(handle_)) {
    return;
  }
  if (button.Data().Visibility == kMenuRowVisibility) {
    RedrawMenuRow();  // the MDI child buttons are part of the menu-bar row
    return;
  }
  UniqueWindowDC dc = TakeWindowDC(handle_);
  if (dc) {
    DrawFLine(dc.Get(), &button, state);
  }
}

void TWinSkinForm::DrawFLine(HDC dc, const TWinSysButton* single, NCObjectState single_state) {
  const int w = width_;
  const int h = caption_height_;
  if (w <= 0 || h <= 0 || skin_data_ == nullptr) {
    return;
  }
  UpdateSysbtnVisibility();
  right_buttons_x_ = 0;
  for (const auto& button : sys_buttons_) {
    if (button->Visible() && button->Data().Align == 1) {
      right_buttons_x_ = std::max(right_buttons_x_, button->Data().Xcoord);
    }
  }
  const std::u16string text = WindowText();
  const TDataSkinTitle& title = *skin_data_->Title;
  RECT measured{};
  {
    const UniqueMemoryDC measure(CreateCompatibleDC(dc));
    measured = MeasureCaption(measure.Get(), text);
  }
  CaptionLayoutInput input;
  input.strip_width = w;
  input.strip_height = h;
  input.text_width = static_cast<int>(measured.right - measured.left);
  input.text_height = static_cast<int>(measured.bottom - measured.top);
  input.right_to_left = right_to_left_;
  input.popup = (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_POPUP) != 0;
  input.dialog_style = border_style_ == SkinBorderStyle::kDialog;
  input.right_buttons_x = right_buttons_x_;
  const CaptionLayout layout = LayoutCaption(title, input);
  caption_rect_ = {layout.box.left, layout.box.top, layout.box.right, layout.box.bottom};
  SetSysbtnRect(w, caption_rect_);

  TBitmap strip = ComposeTitleBackground(*skin_data_, w, h, layout, active_);
  if (strip.Empty()) {
    return;
  }
  for (const auto& button : sys_buttons_) {
    const TBitmap& image = button->Image();
    if (!button->Visible() || image.Empty() || button->Data().Visibility == kMenuRowVisibility) {
      continue;
    }
    if (button->IsIconButton() && icon_ != nullptr) {
      continue;  // drawn from the icon itself below
    }
    const bool alone = single == button.get();
    const int frame = FrameOf(*button, alone ? single_state : NCObjectState::kNormal, alone);
    const RECT r = button->Rect();
    StretchCopy(strip, {r.left, r.top, r.right, r.bottom}, image,
                FrameRect(image, button->Frames(), frame, false), true);
  }
  TDibBitmap buffer;
  buffer.AssignPixels(strip);
  HDC buffer_dc = buffer.Canvas().Handle();
  if (buffer_dc == nullptr) {
    return;
  }
  if (!text.empty()) {
    const ScopedSelectObject font(buffer_dc, caption_font_.Get());
    TColor color = active_ ? title.ActiveText : title.InActiveText;
    if (color == kNoColor) {
      color = ResolveColor(skin_data_->Color(active_ ? TShemeColor::csTitleTextActive
                                                     : TShemeColor::csTitleTextNoActive));
    }
    SetTextColor(buffer_dc, static_cast<COLORREF>(color));
    SetBkMode(buffer_dc, TRANSPARENT);
    RECT text_rect{layout.text.left, layout.text.top, layout.text.right, layout.text.bottom};
    DrawTextW(buffer_dc, AsWin(text), static_cast<int>(text.size()), &text_rect,
              DT_NOPREFIX | DT_SINGLELINE | DT_END_ELLIPSIS | (right_to_left_ ? DT_RTLREADING : 0));
  }
  for (const auto& button : sys_buttons_) {
    if (button->Visible() && button->IsIconButton() && icon_ != nullptr) {
      const RECT r = button->Rect();
      DrawIconEx(buffer_dc, r.left, r.top, icon_, r.right - r.left, r.bottom - r.top, 0, nullptr,
                 DI_NORMAL);
    }
  }
  BitBlt(dc, 0, 0, w, h, buffer_dc, 0, 0, SRCCOPY);
}

}  // namespace kova
