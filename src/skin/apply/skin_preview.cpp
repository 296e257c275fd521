#include "skin/apply/skin_preview.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "skin/apply/bitmap_region.h"
#include "skin/apply/frame_geometry.h"
#include "skin/apply/frame_region.h"
#include "skin/apply/title_strip.h"
#include "skin/data/frame_compose.h"
#include "skin/data/image_utils.h"
#include "skin/data/system_colors.h"

namespace kova {

namespace {

constexpr TColor kDesktop = 0xFFFFFF;

void DrawBorder(TBitmap& out, const TDataSkinObject& border, const ImageRect& rect, BorderSide side,
                bool active) {
  const int w = rect.right - rect.left;
  const int h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0 || border.Map.Empty()) {
    return;
  }
  const TBitmap strip = ComposeBorderStrip(border, side, w, h, active);
  StretchCopy(out, rect, strip, {0, 0, w, h}, border.Trans == 1);
}

// Marks the pixels of one mask row by row.
class MaskSink : public RegionSink {
 public:
  MaskSink(std::vector<uint8_t>& mask, int width, int height)
      : mask_(mask), width_(width), height_(height) {}
  void Unite(std::span<const ImageRect> rects) override {
    for (const ImageRect& r : rects) {
      Mark(r);
    }
  }
  void Mark(const ImageRect& r) {
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, height_); ++y) {
      for (int x = std::max(r.left, 0); x < std::min(r.right, width_); ++x) {
        mask_[static_cast<size_t>(y) * width_ + x] = 1;
      }
    }
  }

 private:
  std::vector<uint8_t>& mask_;
  int width_;
  int height_;
};

// What the window's region leaves out shows the desktop, as it does on the screen: the
// region is planned and cut the way the skinned window's is.
void CutToWindowRegion(TBitmap& out, const TSkinData& data, const FrameWidths& frame, bool active) {
  const int W = out.Width();
  const int H = out.Height();
  const std::vector<FrameRegionPart> parts =
      PlanFrameRegion(data, frame, SkinBorderStyle::kSizable, W, H);
  if (parts.empty()) {
    return;
  }
  std::vector<uint8_t> inside(static_cast<size_t>(W) * H, 0);
  MaskSink sink(inside, W, H);
  for (const FrameRegionPart& part : parts) {
    const ImageRect& r = part.rect;
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    const TDataSkinObject* border = part.rendered ? BorderObject(data, *part.rendered) : nullptr;
    if (border != nullptr && !border->Map.Empty() && w > 0 && h > 0) {
      const TBitmap strip = ComposeBorderStrip(*border, *part.rendered, w, h, active);
      BitmapToRegionRuns(strip, r.left, r.top, kTransparentKey, kFrameKeyTolerance, sink);
    } else {
      sink.Mark(r);
    }
  }
  for (int y = 0; y < H; ++y) {
    for (int x = 0; x < W; ++x) {
      if (inside[static_cast<size_t>(y) * W + x] == 0) {
        out.SetPixel(x, y, kDesktop);
      }
    }
  }
}

// A 5 x 7 pixel font for the caption text: digits, capitals (small letters are drawn
// as capitals) and a little punctuation; other characters are blanks.
const std::array<uint8_t, 7>* Glyph(char c) {
  struct Entry {
    char c;
    std::array<uint8_t, 7> rows;
  };
  static const Entry kFont[] = {
      {'A', {14, 17, 17, 31, 17, 17, 17}}, {'B', {30, 17, 17, 30, 17, 17, 30}},
      {'C', {14, 17, 16, 16, 16, 17, 14}}, {'D', {30, 17, 17, 17, 17, 17, 30}},
      {'E', {31, 16, 16, 30, 16, 16, 31}}, {'F', {31, 16, 16, 30, 16, 16, 16}},
      {'G', {14, 17, 16, 23, 17, 17, 15}}, {'H', {17, 17, 17, 31, 17, 17, 17}},
      {'I', {14, 4, 4, 4, 4, 4, 14}},      {'J', {7, 2, 2, 2, 2, 18, 12}},
      {'K', {17, 18, 20, 24, 20, 18, 17}}, {'L', {16, 16, 16, 16, 16, 16, 31}},
      {'M', {17, 27, 21, 21, 17, 17, 17}}, {'N', {17, 17, 25, 21, 19, 17, 17}},
      {'O', {14, 17, 17, 17, 17, 17, 14}}, {'P', {30, 17, 17, 30, 16, 16, 16}},
      {'Q', {14, 17, 17, 17, 21, 18, 13}}, {'R', {30, 17, 17, 30, 20, 18, 17}},
      {'S', {15, 16, 16, 14, 1, 1, 30}},   {'T', {31, 4, 4, 4, 4, 4, 4}},
      {'U', {17, 17, 17, 17, 17, 17, 14}}, {'V', {17, 17, 17, 17, 17, 10, 4}},
      {'W', {17, 17, 17, 21, 21, 21, 10}}, {'X', {17, 17, 10, 4, 10, 17, 17}},
      {'Y', {17, 17, 10, 4, 4, 4, 4}},     {'Z', {31, 1, 2, 4, 8, 16, 31}},
      {'0', {14, 17, 19, 21, 25, 17, 14}}, {'1', {4, 12, 4, 4, 4, 4, 14}},
      {'2', {14, 17, 1, 2, 4, 8, 31}},     {'3', {31, 2, 4, 2, 1, 17, 14}},
      {'4', {2, 6, 10, 18, 31, 2, 2}},     {'5', {31, 16, 30, 1, 1, 17, 14}},
      {'6', {6, 8, 16, 30, 17, 17, 14}},   {'7', {31, 1, 2, 4, 8, 8, 8}},
      {'8', {14, 17, 17, 14, 17, 17, 14}}, {'9', {14, 17, 17, 15, 1, 2, 12}},
      {'.', {0, 0, 0, 0, 0, 12, 12}},      {',', {0, 0, 0, 0, 12, 4, 8}},
      {'-', {0, 0, 0, 31, 0, 0, 0}},       {':', {0, 12, 12, 0, 12, 12, 0}},
      {'!', {4, 4, 4, 4, 4, 0, 4}},        {'?', {14, 17, 1, 2, 4, 0, 4}},
      {'(', {2, 4, 8, 8, 8, 4, 2}},        {')', {8, 4, 2, 2, 2, 4, 8}},
      {'/', {1, 1, 2, 4, 8, 16, 16}},      {'\'', {4, 4, 8, 0, 0, 0, 0}},
  };
  const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
  for (const Entry& e : kFont) {
    if (e.c == upper) {
      return &e.rows;
    }
  }
  return nullptr;
}

constexpr int kGlyphAdvance = 6;
constexpr int kGlyphHeight = 7;

void DrawText(TBitmap& out, const std::string& text, int x, int y, int right, TColor color) {
  for (char c : text) {
    if (x + 5 > right) {
      return;
    }
    if (const auto* rows = Glyph(c)) {
      for (int r = 0; r < 7; ++r) {
        for (int b = 0; b < 5; ++b) {
          if ((*rows)[static_cast<size_t>(r)] & (16 >> b)) {
            out.SetPixel(x + b, y + r, color);
          }
        }
      }
    }
    x += kGlyphAdvance;
  }
}

}  // namespace

SkinFrameMetrics FrameMetrics(const TSkinData& data) {
  const FrameWidths widths = FrameWidthsOf(data, SkinBorderStyle::kSizable, 0);
  return {widths.left, widths.caption, widths.right, widths.bottom};
}

TBitmap ComposeSkinPreview(const TSkinData& data, const SkinPreviewOptions& options) {
  const int W = options.width;
  const int H = options.height;
  const FrameWidths frame = FrameWidthsOf(data, SkinBorderStyle::kSizable, 0);
  TBitmap out;
  if (W <= frame.left + frame.right || H <= frame.caption + frame.bottom || !out.SetSize(W, H)) {
    return TBitmap();
  }
  // The desktop behind the window shows where the frame is see-through.
  out.Fill(kDesktop);
  const TColor form = ResolveColor(data.Color(TShemeColor::csButtonFace));
  for (int y = frame.caption; y < H - frame.bottom; ++y) {
    for (int x = frame.left; x < W - frame.right; ++x) {
      out.SetPixel(x, y, form);
    }
  }
  const bool active = options.active;
  DrawBorder(out, *data.Left, {0, 0, frame.left, H}, BorderSide::kLeft, active);
  DrawBorder(out, *data.Right, {W - frame.right, 0, W, H}, BorderSide::kRight, active);
  DrawBorder(out, *data.Bottom, {frame.left, H - frame.bottom, W - frame.right, H},
             BorderSide::kBottom, active);

  // The title strip as a sizable, normal window with minimize and maximize boxes and a
  // system menu shows it.
  CaptionWindow window;
  window.active = active;
  window.icons = SkinBorderIcons{SkinBorderIcon::kSystemMenu, SkinBorderIcon::kMinimize,
                                 SkinBorderIcon::kMaximize};
  window.border_style = SkinBorderStyle::kSizable;
  CaptionLayoutInput input;
  input.strip_width = W;
  input.strip_height = frame.caption;
  input.text_width = std::max(static_cast<int>(options.caption.size()) * kGlyphAdvance - 1, 0);
  input.text_height = kGlyphHeight;
  input.right_buttons_x = RightButtonsX(data, window);
  const CaptionLayout caption = LayoutCaption(*data.Title, input);
  TBitmap strip = ComposeTitleBackground(data, W, frame.caption, caption, active);
  const TDataSkinTitle& title = *data.Title;
  TColor text_color = active ? title.ActiveText : title.InActiveText;
  if (text_color == kNoColor) {
    text_color = ResolveColor(
        data.Color(active ? TShemeColor::csTitleTextActive : TShemeColor::csTitleTextNoActive));
  }
  DrawText(strip, options.caption, caption.text.left, caption.text.top, caption.text.right,
           text_color);
  PlacementContext context;
  context.window_width = W;
  context.caption_text = caption.box;
  context.frame = frame;
  DrawCaptionButtons(strip, LayoutCaptionButtons(data, window, context), active);
  // The top border's see-through pixels stay see-through on the window too.
  StretchCopy(out, {0, 0, W, frame.caption}, strip, {0, 0, W, frame.caption}, data.Top->Trans == 1);
  CutToWindowRegion(out, data, frame, active);
  return out;
}

}  // namespace kova
