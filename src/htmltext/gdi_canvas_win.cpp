#include "htmltext/gdi_canvas.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

#include "base/win/handles_win.h"

namespace kova {

namespace {

// Fonts made during one paint; more distinct fonts than this in one text are rare,
// and the oldest unselected ones are dropped first.
constexpr size_t kFontCacheLimit = 16;

HIMAGELIST SystemImageList(SystemImageSize which) {
  SHFILEINFOW info{};
  const UINT flags =
      SHGFI_SYSICONINDEX | (which == SystemImageSize::kSmall ? SHGFI_SMALLICON : SHGFI_LARGEICON);
  // The shell owns the list; it must not be destroyed.
  return reinterpret_cast<HIMAGELIST>(SHGetFileInfoW(L"C:\\", 0, &info, sizeof info, flags));
}

}  // namespace

struct GdiCanvas::CachedFont {
  Font font;
  UniqueFont handle;
  int ascent = 0;
  int height = 0;
};

class GdiCanvas::OwnedRegion {
 public:
  explicit OwnedRegion(HRGN region) : region_(region) {}
  HRGN get() const { return region_.Get(); }

 private:
  UniqueRegion region_;
};

GdiCanvas::GdiCanvas(HDC dc, Font font)
    : dc_(dc),
      font_(std::move(font)),
      original_font_(GetCurrentObject(dc, OBJ_FONT)),
      original_pen_(SelectObject(dc, GetStockObject(DC_PEN))),
      original_text_color_(GetTextColor(dc)),
      original_bk_color_(GetBkColor(dc)),
      original_bk_mode_(GetBkMode(dc)),
      original_text_align_(GetTextAlign(dc)),
      original_dc_brush_(GetDCBrushColor(dc)),
      original_dc_pen_(GetDCPenColor(dc)) {
  auto clip = std::make_unique<OwnedRegion>(CreateRectRgn(0, 0, 0, 0));
  had_clip_ = GetClipRgn(dc_, clip->get()) == 1;
  if (had_clip_)
    original_clip_ = std::move(clip);
  SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
}

GdiCanvas::~GdiCanvas() {
  SelectClipRgn(dc_, had_clip_ ? original_clip_->get() : nullptr);
  SelectObject(dc_, original_font_);
  SelectObject(dc_, original_pen_);
  SetTextColor(dc_, original_text_color_);
  SetBkColor(dc_, original_bk_color_);
  SetBkMode(dc_, original_bk_mode_);
  SetTextAlign(dc_, original_text_align_);
  SetDCBrushColor(dc_, original_dc_brush_);
  SetDCPenColor(dc_, original_dc_pen_);
  // The cached fonts and saved regions are deleted with their members.
}

void GdiCanvas::SetFont(const Font& font) {
  font_ = font;
}

GdiCanvas::CachedFont& GdiCanvas::Select(const Font& font) {
  auto same_face = [&](const std::unique_ptr<CachedFont>& cached) {
    const Font& f = cached->font;
    return f.name == font.name && f.size == font.size && f.style == font.style &&
           f.escapement == font.escapement;
  };
  auto it = std::find_if(fonts_.begin(), fonts_.end(), same_face);
  if (it == fonts_.end()) {
    if (fonts_.size() >= kFontCacheLimit) {
      auto victim = std::find_if(fonts_.begin(), fonts_.end(),
                                 [&](const auto& cached) { return cached.get() != selected_; });
      fonts_.erase(victim);
    }
    LOGFONTW logfont{};
    logfont.lfHeight = -MulDiv(std::max(1, font.size), GetDeviceCaps(dc_, LOGPIXELSY), 72);
    logfont.lfWeight = font.style.Has(FontStyle::kBold) ? FW_BOLD : FW_NORMAL;
    logfont.lfItalic = font.style.Has(FontStyle::kItalic);
    logfont.lfUnderline = font.style.Has(FontStyle::kUnderline);
    logfont.lfStrikeOut = font.style.Has(FontStyle::kStrikeOut);
    logfont.lfEscapement = font.escapement;
    logfont.lfOrientation = font.escapement;
    logfont.lfCharSet = DEFAULT_CHARSET;
    logfont.lfOutPrecision = OUT_DEFAULT_PRECIS;
    logfont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    logfont.lfQuality = DEFAULT_QUALITY;
    const size_t length = std::min<size_t>(font.name.size(), LF_FACESIZE - 1);
    std::copy_n(font.name.begin(), length, logfont.lfFaceName);
    auto cached = std::make_unique<CachedFont>();
    cached->font = font;
    cached->handle.Reset(CreateFontIndirectW(&logfont));
    SelectObject(dc_, cached->handle.Get());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    cached->ascent = metrics.tmAscent;
    cached->height = metrics.tmHeight;
    fonts_.push_back(std::move(cached));
    it = fonts_.end() - 1;
  }
  if (selected_ != it->get())
    SelectObject(dc_, (*it)->handle.Get());
  selected_ = it->get();
  return **it;
}

TextExtent GdiCanvas::MeasureText(WideStringView text) {
  const CachedFont& cached = Select(font_);
  SIZE size{0, cached.height};
  if (!text.empty()) {
    GetTextExtentPoint32W(dc_, reinterpret_cast<const wchar_t*>(text.data()),
                          static_cast<int>(std::min<size_t>(text.size(), INT_MAX)), &size);
  }
  return {static_cast<int>(size.cx), std::max<int>(size.cy, cached.height), cached.ascent};
}

void GdiCanvas::DrawText(Point origin, WideStringView text) {
  Select(font_);
  SetTextColor(dc_, Resolve(font_.color));
  if (background_ == kColorNone) {
    SetBkMode(dc_, TRANSPARENT);
  } else {
    SetBkMode(dc_, OPAQUE);
    SetBkColor(dc_, Resolve(background_));
  }
  // Text output without prefix processing, so an ampersand is drawn as it is.
  ExtTextOutW(dc_, origin.x, origin.y, 0, nullptr, reinterpret_cast<const wchar_t*>(text.data()),
              static_cast<UINT>(std::min<size_t>(text.size(), INT_MAX)), nullptr);
}

void GdiCanvas::FillRect(const Rect& rect, Color color) {
  SetDCBrushColor(dc_, Resolve(color));
  RECT r{rect.left, rect.top, rect.right, rect.bottom};
  ::FillRect(dc_, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void GdiCanvas::DrawLine(Point from, Point to) {
  SetDCPenColor(dc_, Resolve(pen_));
  POINT previous;
  MoveToEx(dc_, from.x, from.y, &previous);
  LineTo(dc_, to.x, to.y);
  MoveToEx(dc_, previous.x, previous.y, nullptr);
}

void GdiCanvas::DrawFocusRect(const Rect& rect) {
  RECT r{rect.left, rect.top, rect.right, rect.bottom};
  // The focus rectangle is drawn with the text colour of the device context.
  SetTextColor(dc_, 0);
  SetBkColor(dc_, RGB(255, 255, 255));
  ::DrawFocusRect(dc_, &r);
}

void GdiCanvas::DrawImage(const PixelImage& image, const Rect& dest) {
  if (image.width <= 0 || image.height <= 0 || dest.IsEmpty() ||
      image.pixels.size() < static_cast<size_t>(image.width) * image.height) {
    return;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  const bool opaque = std::all_of(image.pixels.begin(), image.pixels.end(),
                                  [](uint32_t p) { return (p >> 24) == 0xFF; });
  if (opaque) {
    StretchDIBits(dc_, dest.left, dest.top, dest.Width(), dest.Height(), 0, 0, image.width,
                  image.height, image.pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    return;
  }
  // Partly transparent: blend premultiplied pixels from a DIB section.
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  UniqueMemoryDC memory(CreateCompatibleDC(dc_));
  if (!bitmap || !memory || bits == nullptr)
    return;
  auto* out = static_cast<uint32_t*>(bits);
  for (size_t i = 0; i < image.pixels.size(); ++i) {
    const uint32_t p = image.pixels[i];
    const uint32_t a = p >> 24;
    auto channel = [&](int shift) { return (((p >> shift) & 0xFF) * a / 255) << shift; };
    out[i] = (a << 24) | channel(16) | channel(8) | channel(0);
  }
  ScopedSelectObject selected(memory.Get(), bitmap.Get());
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  GdiAlphaBlend(dc_, dest.left, dest.top, dest.Width(), dest.Height(), memory.Get(), 0, 0,
                image.width, image.height, blend);
}

bool GdiCanvas::SystemImageListSize(SystemImageSize which, Size& size) {
  HIMAGELIST list = SystemImageList(which);
  int cx = 0;
  int cy = 0;
  if (list == nullptr || !ImageList_GetIconSize(list, &cx, &cy))
    return false;
  size = {cx, cy};
  return cx > 0 && cy > 0;
}

void GdiCanvas::DrawSystemImage(SystemImageSize which, int index, const Rect& dest) {
  HIMAGELIST list = SystemImageList(which);
  if (list == nullptr || index < 0 || index >= ImageList_GetImageCount(list))
    return;
  ImageList_DrawEx(list, index, dc_, dest.left, dest.top, dest.Width(), dest.Height(), CLR_NONE,
                   CLR_NONE, ILD_TRANSPARENT);
}

void GdiCanvas::PushClip(const Rect& rect) {
  auto saved = std::make_unique<OwnedRegion>(CreateRectRgn(0, 0, 0, 0));
  if (GetClipRgn(dc_, saved->get()) != 1)
    saved.reset();
  clip_stack_.push_back(std::move(saved));
  IntersectClipRect(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

void GdiCanvas::PopClip() {
  if (clip_stack_.empty())
    return;
  SelectClipRgn(dc_, clip_stack_.back() ? clip_stack_.back()->get() : nullptr);
  clip_stack_.pop_back();
}

Color GdiCanvas::SystemColorValue(int index) const {
  return GetSysColor(index);
}

}  // namespace kova
