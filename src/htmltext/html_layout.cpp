#include "htmltext/html_layout.h"

#include <algorithm>

#include "htmltext/gradient.h"
#include "htmltext/markup_text.h"

namespace kova::html_internal {

namespace {

constexpr int kListIndentPerLevel = 12;
constexpr int kMaxListLevel = 1000;
constexpr Color kErrorColor = Rgb(255, 0, 0);

// Restores the clip on every way out of the walk.
class ClipScope {
 public:
  ClipScope(HTMLCanvas& canvas, const Rect& rect, bool active) : canvas_(canvas), active_(active) {
    if (active_)
      canvas_.PushClip(rect);
  }
  ~ClipScope() {
    if (active_)
      canvas_.PopClip();
  }
  ClipScope(const ClipScope&) = delete;
  ClipScope& operator=(const ClipScope&) = delete;

 private:
  HTMLCanvas& canvas_;
  bool active_;
};

}  // namespace

MarkupLayout::MarkupLayout(HTMLCanvas& canvas, const HTMLDrawParams& params)
    : canvas_(canvas),
      params_(params),
      rect_(params.rect),
      drawing_(!params.measure_only),
      font_(canvas.font()),
      background_(canvas.text_background()),
      x_(params.rect.left),
      y_(params.rect.top),
      used_bottom_(params.rect.top),
      line_right_limit_(params.rect.right) {}

HTMLDrawResult MarkupLayout::Run(WideStringView markup) {
  CanvasStateScope keep_state(canvas_);
  ClipScope clip(canvas_, rect_, drawing_);

  size_t i = 0;
  while (i < markup.size()) {
    if (markup[i] == u'<') {
      size_t close = markup.find(u'>', i + 1);
      size_t end = close == WideStringView::npos ? markup.size() : close + 1;
      HandleTag(markup.substr(i, end - i));
      i = end;
      continue;
    }
    size_t next_tag = markup.find(u'<', i);
    if (next_tag == WideStringView::npos)
      next_tag = markup.size();
    size_t run_end = next_tag;
    if (params_.word_wrap) {
      // Each word is its own run, its trailing space included.
      size_t space = markup.substr(i, next_tag - i).find(u' ');
      if (space != WideStringView::npos)
        run_end = i + space + 1;
    }
    AddRun(markup.substr(i, run_end - i));
    i = run_end;
  }
  FlushLine(false);

  HTMLDrawResult result;
  result.size = {used_width_, used_bottom_ - rect_.top};
  result.anchor_count = static_cast<int>(anchors_.size());
  if (hit_anchor_ >= 0) {
    const AnchorInfo& hit = anchors_[static_cast<size_t>(hit_anchor_)];
    result.on_anchor = true;
    result.anchor_index = hit_anchor_;
    result.anchor_target = hit.target;
    result.anchor_rect = hit.bounds;
  }
  return result;
}

TextExtent MarkupLayout::MeasureCurrent(WideStringView text) {
  canvas_.SetFont(font_);
  return canvas_.MeasureText(text);
}

int MarkupLayout::LineStartX() const {
  return SaturatingAdd(SaturatingAdd(rect_.left, indent_),
                       std::min(list_level_, kMaxListLevel) * kListIndentPerLevel);
}

int MarkupLayout::RightLimit() const {
  int limit = line_right_limit_;
  if (float_active_ && y_ < float_bottom_)
    limit = std::min(limit, float_left_);
  return limit;
}

void MarkupLayout::AddRun(WideStringView raw) {
  if (hidden_)
    return;
  WideString text = ReplaceEntities(raw);
  std::erase_if(text, [](char16_t c) { return c == u'\r' || c == u'\n'; });
  if (text.empty())
    return;
  const TextExtent extent = MeasureCurrent(text);

  LineItem item;
  item.kind = LineItem::Kind::kText;
  item.text = std::move(text);
  item.font = font_;
  item.background = background_;
  item.width = extent.width;
  item.ascent = extent.ascent;
  item.descent = extent.height - extent.ascent;
  if (subscript_)
    item.shift = extent.height / 4;
  if (superscript_)
    item.shift = -(extent.height / 4);
  item.anchor = in_anchor_ ? anchor_counter_ : -1;
  item.shadow = shadow_;
  item.error = error_;
  item.invisible = blink_ && !params_.blink_visible;
  PlaceItem(std::move(item));
}

void MarkupLayout::PlaceItem(LineItem item) {
  if (params_.word_wrap) {
    // A piece that does not fit starts the next line, unless it already starts one.
    if (x_ > LineStartX() && SaturatingAdd(x_, item.width) > RightLimit())
      FlushLine(false);
  } else if (line_cut_) {
    item.invisible = true;
  } else if (SaturatingAdd(x_, item.width) > RightLimit()) {
    if (params_.ellipsis) {
      CutWithEllipsis(item);
    } else {
      item.invisible = true;  // without wrapping, text past the right side is not drawn
    }
  }
  item.x = x_;
  x_ = SaturatingAdd(x_, item.width);
  items_.push_back(std::move(item));
}

namespace {

constexpr char16_t kEllipsis[] = u"...";

// Shortens a text piece to the longest start that fits in `room` with "..." behind it;
// false when not even the dots fit.
bool ShortenWithEllipsis(HTMLCanvas& canvas, LineItem& item, int room) {
  canvas.SetFont(item.font);
  if (item.kind != LineItem::Kind::kText || canvas.MeasureText(kEllipsis).width > room)
    return false;
  // Widths grow with the prefix: find the longest that fits by bisection.
  size_t low = 0;
  size_t high = item.text.size();
  while (low < high) {
    const size_t mid = (low + high + 1) / 2;
    if (canvas.MeasureText(item.text.substr(0, mid) + kEllipsis).width <= room)
      low = mid;
    else
      high = mid - 1;
  }
  item.text = item.text.substr(0, low) + kEllipsis;
  item.width = canvas.MeasureText(item.text).width;
  return true;
}

}  // namespace

// The piece that does not fit, or the last visible piece before it that has room for the
// dots, ends in "..."; the rest of the line is not drawn.
void MarkupLayout::CutWithEllipsis(LineItem& item) {
  line_cut_ = true;
  if (ShortenWithEllipsis(canvas_, item, RightLimit() - x_)) {
    canvas_.SetFont(font_);
    return;
  }
  item.invisible = true;
  for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
    if (it->invisible || it->floating)
      continue;
    if (ShortenWithEllipsis(canvas_, *it, RightLimit() - it->x)) {
      x_ = SaturatingAdd(it->x, it->width);
      break;
    }
    it->invisible = true;
  }
  canvas_.SetFont(font_);
}

void MarkupLayout::HardBreak() {
  FlushLine(true);
}

void MarkupLayout::SoftBreak() {
  FlushLine(false);
}

void MarkupLayout::FlushLine(bool keep_empty) {
  if (items_.empty() && !keep_empty) {
    x_ = LineStartX();
    line_cut_ = false;
    return;
  }
  int ascent = 0;
  int descent = 0;
  if (items_.empty()) {
    // An empty line is as high as the current font.
    const TextExtent extent = MeasureCurrent(u" ");
    ascent = extent.ascent;
    descent = extent.height - extent.ascent;
  }
  const int start = LineStartX();
  int right = start;
  for (const LineItem& item : items_) {
    if (item.floating) {
      if (!item.wraps)
        ascent = std::max(ascent, item.ascent);
      continue;
    }
    ascent = std::max(ascent, item.ascent - item.shift);
    descent = std::max(descent, item.descent + item.shift);
    right = std::max(right, SaturatingAdd(item.x, item.width));
  }
  const int height = ascent + descent;
  int offset = 0;
  const int free_space = RightLimit() - right;
  if (free_space > 0 && align_ == Align::kRight)
    offset = free_space;
  if (free_space > 0 && align_ == Align::kCenter)
    offset = free_space / 2;

  const bool visible = drawing_ && y_ < rect_.bottom && SaturatingAdd(y_, height) > rect_.top;
  if (visible && paragraph_color_ != kColorNone) {
    const Rect band{rect_.left, y_, rect_.right, SaturatingAdd(y_, height)};
    if (paragraph_color_to_ != kColorNone) {
      GradientFill(canvas_, band, paragraph_color_, paragraph_color_to_, band.Width() / 4,
                   GradientDirection::kHorizontal);
    } else {
      canvas_.FillRect(band, paragraph_color_);
    }
  }

  const int baseline = SaturatingAdd(y_, ascent);
  int bottom = SaturatingAdd(y_, height);
  for (const LineItem& item : items_) {
    Rect box;
    if (item.floating) {
      box = {item.x, y_, SaturatingAdd(item.x, item.width), SaturatingAdd(y_, item.ascent)};
      bottom = std::max(bottom, box.bottom);
      used_width_ = std::max(used_width_, box.right - rect_.left);
    } else {
      const int left = SaturatingAdd(item.x, offset);
      const int top = SaturatingAdd(baseline, item.shift - item.ascent);
      box = {left, top, SaturatingAdd(left, item.width),
             SaturatingAdd(top, item.ascent + item.descent)};
    }
    if (visible || (drawing_ && item.floating))
      DrawItem(item, box);
    if (item.anchor < 0)
      continue;
    AnchorInfo& anchor = anchors_[static_cast<size_t>(item.anchor)];
    anchor.bounds = anchor.bounds.Union(box);
    if (params_.test_point && box.Contains(*params_.test_point))
      hit_anchor_ = item.anchor;
    if (visible && item.anchor == params_.focused_anchor)
      canvas_.DrawFocusRect(box.Inflated(1));
  }

  used_width_ = std::max(used_width_, right - rect_.left);
  used_bottom_ = std::max(used_bottom_, bottom);
  y_ = SaturatingAdd(y_, SaturatingAdd(height, params_.line_spacing));
  items_.clear();
  line_right_limit_ = rect_.right;
  if (float_active_ && y_ >= float_bottom_)
    float_active_ = false;
  x_ = LineStartX();
  line_cut_ = false;
}

void MarkupLayout::DrawItem(const LineItem& item, const Rect& box) {
  if (item.invisible)
    return;
  if (item.kind == LineItem::Kind::kImage) {
    DrawImageItem(item, box);
    return;
  }
  const Point origin{box.left, box.top};
  if (item.shadow) {
    Font shadow_font = item.font;
    shadow_font.color = params_.shadow_color;
    canvas_.SetFont(shadow_font);
    canvas_.SetTextBackground(kColorNone);
    canvas_.DrawText({SaturatingAdd(origin.x, params_.shadow_offset),
                      SaturatingAdd(origin.y, params_.shadow_offset)},
                     item.text);
  }
  canvas_.SetFont(item.font);
  canvas_.SetTextBackground(item.background);
  canvas_.DrawText(origin, item.text);
  if (item.error) {
    // A red zigzag under the text.
    const Color pen = canvas_.pen_color();
    canvas_.SetPenColor(kErrorColor);
    const int y = box.bottom - 1;
    const int right = std::min(box.right, rect_.right);
    for (int x = std::max(box.left, rect_.left), k = 0; x < right; x += 2, ++k) {
      canvas_.DrawLine({x, y - (k % 2) * 2}, {x + 2, y - ((k + 1) % 2) * 2});
    }
    canvas_.SetPenColor(pen);
  }
}

void MarkupLayout::DrawImageItem(const LineItem& item, const Rect& box) {
  switch (item.source) {
    case ImageSource::kList: {
      PixelImage image;
      if (params_.images && params_.images->GetImage(item.image_index, image)) {
        canvas_.DrawImage(image, box);
      }
      break;
    }
    case ImageSource::kSmallSystem:
      canvas_.DrawSystemImage(SystemImageSize::kSmall, item.image_index, box);
      break;
    case ImageSource::kLargeSystem:
      canvas_.DrawSystemImage(SystemImageSize::kLarge, item.image_index, box);
      break;
    case ImageSource::kMissing:
      // Images that cannot be fetched here show their alternative text in their box.
      if (item.text.empty())
        break;
      canvas_.PushClip(box);
      canvas_.SetFont(item.font);
      canvas_.SetTextBackground(kColorNone);
      canvas_.DrawText({box.left, box.top}, item.text);
      canvas_.PopClip();
      break;
  }
}

}  // namespace kova::html_internal
