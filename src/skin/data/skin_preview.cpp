#include "skin/data/skin_preview.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "skin/data/frame_compose.h"
#include "skin/data/system_colors.h"

namespace kova {

namespace {

constexpr TColor kDesktop = 0xFFFFFF;

int PerFrame(int length, int frames) {
  return length / std::max(frames, 1);
}

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

// Visibility codes as they fall out for a normal (not maximized) window with minimize
// and maximize boxes and a system menu, without a help box.
bool VisibleOnNormalWindow(int32_t code, bool active) {
  switch (code) {
    case 0:
    case 2:
    case 6:
    case 8:
      return true;
    case 3:
      return active;
    case 4:
      return !active;
    default:
      return code >= 201 && code <= 999;
  }
}

}  // namespace

SkinFrameMetrics FrameMetrics(const TSkinData& data) {
  return {PerFrame(data.Left->Map.Width(), data.Left->Frame),
          PerFrame(data.Top->Map.Height(), data.Top->Frame),
          PerFrame(data.Right->Map.Width(), data.Right->Frame),
          PerFrame(data.Bottom->Map.Height(), data.Bottom->Frame)};
}

TBitmap ComposeSkinPreview(const TSkinData& data, const SkinPreviewOptions& options) {
  const int W = options.width;
  const int H = options.height;
  const SkinFrameMetrics m = FrameMetrics(data);
  TBitmap out;
  if (W <= m.left + m.right || H <= m.caption + m.bottom || !out.SetSize(W, H)) {
    return TBitmap();
  }
  // The desktop behind the window shows where the frame is see-through.
  out.Fill(kDesktop);
  const TColor form = ResolveColor(data.Color(TShemeColor::csButtonFace));
  for (int y = m.caption; y < H - m.bottom; ++y) {
    for (int x = m.left; x < W - m.right; ++x) {
      out.SetPixel(x, y, form);
    }
  }
  const bool active = options.active;
  DrawBorder(out, *data.Left, {0, 0, m.left, H}, BorderSide::kLeft, active);
  DrawBorder(out, *data.Right, {W - m.right, 0, W, H}, BorderSide::kRight, active);
  DrawBorder(out, *data.Bottom, {m.left, H - m.bottom, W - m.right, H}, BorderSide::kBottom,
             active);

  // The title strip: top border, text background, text, caption buttons.
  DrawBorder(out, *data.Top, {0, 0, W, m.caption}, BorderSide::kTop, active);
  const TDataSkinTitle& title = *data.Title;
  const int text_width = static_cast<int>(options.caption.size()) * kGlyphAdvance - 1;
  const int box_width = text_width + title.TXTBackleft + title.TXTBackRight;
  const int strip_right = W - title.RightWidth;
  int x = title.LeftWidth;
  if (title.TextAlignment == 1) {
    x = (W - box_width) / 2;
  } else if (title.TextAlignment == 2) {
    x = strip_right - box_width;
  }
  const int box_right = std::min(x + box_width, strip_right);
  if (!title.Map.Empty() && box_right > x) {
    const int frame = active ? 1 : 2;
    const TBitmap back =
        GetHMap(box_right - x, m.caption, title.Map, {title.TXTBackleft, 0, title.TXTBackRight, 0},
                false, true, title.Frame, frame);
    StretchCopy(out, {x, 0, box_right, m.caption}, back, {0, 0, back.Width(), back.Height()});
  }
  TColor text_color = active ? title.ActiveText : title.InActiveText;
  if (text_color == kNoColor) {
    text_color = ResolveColor(
        data.Color(active ? TShemeColor::csTitleTextActive : TShemeColor::csTitleTextNoActive));
  }
  const int text_y = (m.caption - 7) / 2 + title.TopHeight / 2;
  DrawText(out, options.caption, x + title.TXTBackleft, text_y, box_right, text_color);

  for (const auto& button : data.SysButtons) {
    if (button->Map.Empty() || button->Visibility == 100 ||
        !VisibleOnNormalWindow(button->Visibility, active) ||
        !VisibleOnNormalWindow(button->Visibility1, active)) {
      continue;
    }
    int bx = 0;
    if (button->Align == 0) {
      bx = button->Xcoord;
    } else if (button->Align == 1) {
      bx = W - button->Xcoord;
    } else {
      continue;  // placed against the caption text by the form skinning
    }
    const int frames = std::max(button->Frame, 1);
    const int bw = button->Map.Width() / frames;
    const int frame = frames < 4 || active ? 1 : 4;
    StretchCopy(out, {bx, button->Ycoord, bx + bw, button->Ycoord + button->Map.Height()},
                button->Map, FrameRect(button->Map, frames, frame, false), true);
  }
  return out;
}

}  // namespace kova
