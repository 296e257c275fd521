#include "forms/graphics/canvas.h"

namespace kova {

const ClassInfo& TCanvas::StaticClass() {
  static const ClassInfo info(
      "TCanvas", &TPersistent::StaticClass(),
      PropertyListBuilder<TCanvas>()
          .Object<TFont>("Font", [](const TCanvas& c) { return const_cast<TFont*>(&c.font_); })
          .Build());
  return info;
}

TCanvas::TCanvas() = default;
TCanvas::TCanvas(HDC dc) : dc_(dc) {}

void TCanvas::FillRect(const RECT& rect) {
  if (dc_ != nullptr && brush_.Style() != TBrushStyle::bsClear) {
    ::FillRect(dc_, &rect, brush_.Handle());
  }
}

void TCanvas::FrameRect(const RECT& rect) {
  if (dc_ != nullptr) {
    ::FrameRect(dc_, &rect, brush_.Handle());
  }
}

void TCanvas::Rectangle(const RECT& rect) {
  if (dc_ == nullptr) {
    return;
  }
  ScopedSelectObject pen(dc_, pen_.Handle());
  ScopedSelectObject brush(dc_, brush_.Style() == TBrushStyle::bsClear
                                    ? GetStockObject(NULL_BRUSH)
                                    : static_cast<HGDIOBJ>(brush_.Handle()));
  ::Rectangle(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

void TCanvas::MoveTo(int x, int y) {
  if (dc_ != nullptr) {
    MoveToEx(dc_, x, y, nullptr);
  }
}

void TCanvas::LineTo(int x, int y) {
  if (dc_ != nullptr) {
    ScopedSelectObject pen(dc_, pen_.Handle());
    ::LineTo(dc_, x, y);
  }
}

void TCanvas::TextOut(int x, int y, WideStringView text) {
  if (dc_ == nullptr) {
    return;
  }
  ScopedSelectObject font(dc_, font_.Handle());
  const int old_mode =
      SetBkMode(dc_, brush_.Style() == TBrushStyle::bsClear ? TRANSPARENT : OPAQUE);
  const COLORREF old_back = SetBkColor(dc_, ColorToRGB(brush_.Color()));
  const COLORREF old_text = SetTextColor(dc_, ColorToRGB(font_.Color()));
  ExtTextOutW(dc_, x, y, 0, nullptr, AsWin(text.data()), static_cast<UINT>(text.size()), nullptr);
  SetTextColor(dc_, old_text);
  SetBkColor(dc_, old_back);
  SetBkMode(dc_, old_mode);
}

void TCanvas::TextRect(RECT rect, WideStringView text, UINT flags) {
  if (dc_ == nullptr) {
    return;
  }
  ScopedSelectObject font(dc_, font_.Handle());
  const int old_mode = SetBkMode(dc_, TRANSPARENT);
  const COLORREF old_text = SetTextColor(dc_, ColorToRGB(font_.Color()));
  DrawTextW(dc_, AsWin(text.data()), static_cast<int>(text.size()), &rect, flags);
  SetTextColor(dc_, old_text);
  SetBkMode(dc_, old_mode);
}

SIZE TCanvas::TextExtent(WideStringView text) const {
  SIZE size{0, 0};
  if (text.empty()) {
    return size;
  }
  if (dc_ != nullptr) {
    ScopedSelectObject font(dc_, font_.Handle());
    GetTextExtentPoint32W(dc_, AsWin(text.data()), static_cast<int>(text.size()), &size);
  } else {
    ScopedGetDC screen(nullptr);
    ScopedSelectObject font(screen.Get(), font_.Handle());
    GetTextExtentPoint32W(screen.Get(), AsWin(text.data()), static_cast<int>(text.size()), &size);
  }
  return size;
}

void TCanvas::Draw(int x, int y, const TGraphic& graphic) {
  StretchDraw(RECT{x, y, x + graphic.Width(), y + graphic.Height()}, graphic);
}

void TCanvas::StretchDraw(const RECT& rect, const TGraphic& graphic) {
  if (dc_ != nullptr && !graphic.Empty()) {
    graphic.Draw(dc_, rect);
  }
}

TColor TCanvas::Pixel(int x, int y) const {
  return dc_ != nullptr ? static_cast<TColor>(GetPixel(dc_, x, y)) : clBlack;
}

}  // namespace kova
