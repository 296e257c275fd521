#include "htmltext/fixed_metric_canvas.h"

#include <algorithm>

namespace kova {

FixedMetricCanvas::FixedMetricCanvas(Font font) : font_(std::move(font)) {}

int FixedMetricCanvas::Advance(const Font& font) {
  return std::max(1, font.size / 2) + (font.style.Has(FontStyle::kBold) ? 1 : 0);
}

TextExtent FixedMetricCanvas::MeasureText(WideStringView text) {
  const long long width = static_cast<long long>(text.size()) * Advance(font_);
  const int size = std::max(0, font_.size);
  return {static_cast<int>(std::min<long long>(width, INT_MAX / 4)), size + size / 4, size};
}

void FixedMetricCanvas::DrawText(Point origin, WideStringView text) {
  CanvasOp op;
  op.kind = CanvasOp::Kind::kText;
  const TextExtent extent = MeasureText(text);
  op.rect = {origin.x, origin.y, origin.x + extent.width, origin.y + extent.height};
  op.text = WideString(text);
  op.font = font_;
  op.font.color = Resolve(font_.color);
  op.background = background_ == kColorNone ? kColorNone : Resolve(background_);
  Record(std::move(op));
}

void FixedMetricCanvas::FillRect(const Rect& rect, Color color) {
  CanvasOp op;
  op.kind = CanvasOp::Kind::kFill;
  op.rect = rect;
  op.color = Resolve(color);
  Record(std::move(op));
}

void FixedMetricCanvas::DrawLine(Point from, Point to) {
  CanvasOp op;
  op.kind = CanvasOp::Kind::kLine;
  op.from = from;
  op.to = to;
  op.color = Resolve(pen_);
  Record(std::move(op));
}

void FixedMetricCanvas::DrawFocusRect(const Rect& rect) {
  CanvasOp op;
  op.kind = CanvasOp::Kind::kFocusRect;
  op.rect = rect;
  Record(std::move(op));
}

void FixedMetricCanvas::DrawImage(const PixelImage& image, const Rect& dest) {
  CanvasOp op;
  op.kind = CanvasOp::Kind::kImage;
  op.rect = dest;
  op.color = image.pixels.empty() ? 0 : image.pixels.front();
  Record(std::move(op));
}

bool FixedMetricCanvas::SystemImageListSize(SystemImageSize which, Size& size) {
  size = which == SystemImageSize::kSmall ? small_images_ : large_images_;
  return size.cx > 0 && size.cy > 0;
}

void FixedMetricCanvas::DrawSystemImage(SystemImageSize, int index, const Rect& dest) {
  CanvasOp op;
  op.kind = CanvasOp::Kind::kSystemImage;
  op.rect = dest;
  op.image_index = index;
  Record(std::move(op));
}

void FixedMetricCanvas::PushClip(const Rect& rect) {
  const Rect outer = CurrentClip();
  Rect inner{std::max(outer.left, rect.left), std::max(outer.top, rect.top),
             std::min(outer.right, rect.right), std::min(outer.bottom, rect.bottom)};
  clips_.push_back(inner);
}

void FixedMetricCanvas::PopClip() {
  if (!clips_.empty())
    clips_.pop_back();
}

void FixedMetricCanvas::SetSystemImageSizes(Size small, Size large) {
  small_images_ = small;
  large_images_ = large;
}

std::vector<CanvasOp> FixedMetricCanvas::TextOps() const {
  std::vector<CanvasOp> result;
  std::copy_if(ops_.begin(), ops_.end(), std::back_inserter(result),
               [](const CanvasOp& op) { return op.kind == CanvasOp::Kind::kText; });
  return result;
}

WideString FixedMetricCanvas::DrawnText() const {
  WideString text;
  for (const CanvasOp& op : ops_) {
    if (op.kind == CanvasOp::Kind::kText)
      text += op.text;
  }
  return text;
}

void FixedMetricCanvas::Record(CanvasOp op) {
  if (!recording_)
    return;
  op.clip = CurrentClip();
  ops_.push_back(std::move(op));
}

Rect FixedMetricCanvas::CurrentClip() const {
  if (clips_.empty())
    return {INT_MIN / 2, INT_MIN / 2, INT_MAX / 2, INT_MAX / 2};
  return clips_.back();
}

}  // namespace kova
