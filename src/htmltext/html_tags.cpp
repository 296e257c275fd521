// Tag dispatch of the engine: the first letter after "<" (upper-cased) and, for some
// letters, the second select what a tag does.
#include <algorithm>

#include "htmltext/gradient.h"
#include "htmltext/html_layout.h"
#include "htmltext/markup_text.h"

namespace kova::html_internal {

namespace {

constexpr int kMaxFontPoints = 400;
constexpr int kMaxEscapement = 3600;
constexpr int kMaxBackgroundTiles = 4096;

bool StartsWithUpper(WideStringView text, WideStringView prefix) {
  return text.size() >= prefix.size() && UpperCaseFind(text.substr(0, prefix.size()), prefix) == 0;
}

bool Contains(const std::optional<WideString>& value, WideStringView needle) {
  return value && UpperCaseFind(*value, needle) != WideStringView::npos;
}

// FONT SIZE: 1 to 5 are the classic steps, any other number is points.
int FontPointsFromSize(int size) {
  static constexpr int kSteps[] = {8, 10, 12, 14, 16};
  if (size >= 1 && size <= 5)
    return kSteps[size - 1];
  return size;
}

}  // namespace

void MarkupLayout::HandleTag(WideStringView tag) {
  if (tag.size() < 2)
    return;
  auto letter = [&](size_t i) { return i < tag.size() ? UpperAscii(tag[i]) : char16_t{0}; };
  if (tag[1] == u'/') {
    CloseTag(tag, letter(2), letter(3));
  } else {
    OpenTag(tag, letter(1), letter(2));
  }
}

void MarkupLayout::OpenTag(WideStringView tag, char16_t first, char16_t second) {
  switch (first) {
    case u'A':
      OpenAnchor(tag);
      break;
    case u'B':
      if (second == u'>') {
        font_.style.Set(FontStyle::kBold, true);
      } else if (second == u'O') {
        OpenBody(tag);
      } else if (second == u'R') {
        HardBreak();
      } else if (second == u'L') {
        blink_ = true;
      }
      break;
    case u'E':
      error_ = true;
      break;
    case u'F':
      OpenFont(tag);
      break;
    case u'H':
      if (second == u'I') {
        if (!highlight_save_)
          highlight_save_ = ColorSave{font_.color, background_};
        background_ = SysColor(kSysColorHighlight);
        font_.color = SysColor(kSysColorHighlightText);
      } else if (second == u'R') {
        HorizontalRule();
      }
      break;
    case u'I':
      if (second == u'>') {
        font_.style.Set(FontStyle::kItalic, true);
      } else if (second == u'N') {
        indent_ = TagNumberAfter(tag, u'x');
        if (items_.empty())
          x_ = LineStartX();
      } else if (second == u'M') {
        OpenImage(tag);
      }
      break;
    case u'L':
      OpenListItem();
      break;
    case u'O':
      if (second == u'F')
        x_ = SaturatingAdd(rect_.left, TagNumberAfter(tag, u'x'));
      break;
    case u'P':
      OpenParagraph(tag);
      break;
    case u'R':
      escapement_saves_.push_back(font_.escapement);
      font_.escapement = std::min(kMaxEscapement, TagNumberAfter(tag, u'a')) * 10;
      break;
    case u'S':
      if (second == u'>') {
        font_.style.Set(FontStyle::kStrikeOut, true);
      } else if (second == u'H') {
        shadow_ = true;
      } else if (StartsWithUpper(tag, u"<SUB")) {
        subscript_ = true;
      } else if (StartsWithUpper(tag, u"<SUP")) {
        superscript_ = true;
      }
      break;
    case u'U':
      if (second == u'>') {
        font_.style.Set(FontStyle::kUnderline, true);
      } else {
        ++list_level_;
        SoftBreak();
      }
      break;
    case u'Z':
      hidden_ = true;
      break;
    default:
      break;
  }
}

void MarkupLayout::CloseTag(WideStringView /*tag*/, char16_t first, char16_t second) {
  switch (first) {
    case u'A':
      CloseAnchor();
      break;
    case u'B':
      if (second == u'>') {
        font_.style.Set(FontStyle::kBold, false);
      } else if (second == u'L') {
        blink_ = false;
      }
      break;
    case u'E':
      error_ = false;
      break;
    case u'F':
      if (!font_saves_.empty()) {
        const FontSave& save = font_saves_.back();
        font_.name = save.name;
        font_.color = save.color;
        font_.size = save.size;
        background_ = save.background;
        font_saves_.pop_back();
      }
      break;
    case u'H':
      if (highlight_save_) {
        font_.color = highlight_save_->color;
        background_ = highlight_save_->background;
        highlight_save_.reset();
      }
      break;
    case u'I':
      font_.style.Set(FontStyle::kItalic, false);
      break;
    case u'L':
      SoftBreak();
      break;
    case u'O':
      // The offset moved the pen once; there is nothing left to undo.
      break;
    case u'P':
      SoftBreak();
      if (!paragraph_saves_.empty()) {
        const ParagraphSave& save = paragraph_saves_.back();
        align_ = save.align;
        indent_ = save.indent;
        paragraph_color_ = save.color;
        paragraph_color_to_ = save.color_to;
        paragraph_saves_.pop_back();
        x_ = LineStartX();
      }
      break;
    case u'R':
      if (!escapement_saves_.empty()) {
        font_.escapement = escapement_saves_.back();
        escapement_saves_.pop_back();
      }
      break;
    case u'S':
      if (second == u'U') {
        subscript_ = false;
        superscript_ = false;
      } else if (second == u'H') {
        shadow_ = false;
      } else {
        font_.style.Set(FontStyle::kStrikeOut, false);
      }
      break;
    case u'U':
      if (second == u'>') {
        font_.style.Set(FontStyle::kUnderline, false);
      } else {
        list_level_ = std::max(0, list_level_ - 1);
        if (items_.empty())
          x_ = LineStartX();
      }
      break;
    case u'Z':
      hidden_ = false;
      break;
    default:
      break;
  }
}

void MarkupLayout::OpenAnchor(WideStringView tag) {
  ++anchor_counter_;
  anchors_.push_back({TagQuotedText(tag), Rect{}});
  if (!in_anchor_)
    anchor_save_ = AnchorSave{font_.style, font_.color, background_};
  in_anchor_ = true;
  font_.style.Set(FontStyle::kUnderline, true);
  font_.color = params_.url_color;
  if (anchor_counter_ == params_.hovered_anchor) {
    if (params_.hover_color != kColorNone)
      background_ = params_.hover_color;
    if (params_.hover_font_color != kColorNone)
      font_.color = params_.hover_font_color;
  }
}

void MarkupLayout::CloseAnchor() {
  if (!in_anchor_)
    return;
  font_.style = anchor_save_->style;
  font_.color = anchor_save_->color;
  background_ = anchor_save_->background;
  anchor_save_.reset();
  in_anchor_ = false;
}

void MarkupLayout::OpenFont(WideStringView tag) {
  font_saves_.push_back({font_.name, font_.color, font_.size, background_});
  if (auto face = TagAttribute(tag, u"FACE"); face && !face->empty())
    font_.name = *face;
  if (auto color = TagAttribute(tag, u" COLOR"))
    font_.color = ParseColor(*color);
  if (auto color = TagAttribute(tag, u"BGCOLOR"))
    background_ = ParseColor(*color);
  if (auto size = TagAttribute(tag, u"SIZE")) {
    // A size of 0 (missing or unreadable) keeps the current size rather than asking
    // for an invisible font.
    const int points = FontPointsFromSize(ParseTagNumber(*size));
    if (points > 0)
      font_.size = std::min(points, kMaxFontPoints);
  }
}

void MarkupLayout::OpenParagraph(WideStringView tag) {
  SoftBreak();
  paragraph_saves_.push_back({align_, indent_, paragraph_color_, paragraph_color_to_});
  if (auto align = TagAttribute(tag, u"ALIGN")) {
    if (Contains(align, u"RIGHT")) {
      align_ = Align::kRight;
    } else if (Contains(align, u"CENTER")) {
      align_ = Align::kCenter;
    } else if (Contains(align, u"LEFT")) {
      align_ = Align::kLeft;
    }
  }
  if (auto indent = TagAttribute(tag, u"INDENT"))
    indent_ = ParseTagNumber(*indent);
  auto color = TagAttribute(tag, u"BGCOLOR");
  auto color_to = TagAttribute(tag, u"BGCOLORTO");
  if (color)
    paragraph_color_ = ParseColor(*color);
  paragraph_color_to_ = color && color_to ? ParseColor(*color_to) : kColorNone;
  x_ = LineStartX();
}

void MarkupLayout::OpenBody(WideStringView tag) {
  if (!drawing_)
    return;
  if (auto color = TagAttribute(tag, u"BGCOLOR")) {
    const Color from = ParseColor(*color);
    if (auto color_to = TagAttribute(tag, u"BGCOLORTO")) {
      const bool horizontal = Contains(TagAttribute(tag, u"DIR"), u"H");
      const int span = horizontal ? rect_.Width() : rect_.Height();
      GradientFill(canvas_, rect_, from, ParseColor(*color_to), span / 4,
                   horizontal ? GradientDirection::kHorizontal : GradientDirection::kVertical);
    } else {
      canvas_.FillRect(rect_, from);
    }
  }
  if (auto background = TagAttribute(tag, u"BACKGROUND")) {
    int index = 0;
    Size size;
    const ImageSource source = ResolveSource(*background, index, size);
    if (source != ImageSource::kMissing && size.cx > 0 && size.cy > 0) {
      LineItem tile;
      tile.kind = LineItem::Kind::kImage;
      tile.source = source;
      tile.image_index = index;
      int tiles = 0;
      for (int y = rect_.top; y < rect_.bottom && tiles < kMaxBackgroundTiles; y += size.cy) {
        for (int x = rect_.left; x < rect_.right && tiles < kMaxBackgroundTiles; x += size.cx) {
          DrawImageItem(tile, {x, y, x + size.cx, y + size.cy});
          ++tiles;
        }
      }
    }
  }
  if (auto corner = TagAttribute(tag, u"BGTOPLEFT"))
    DrawSourceAt(*corner, rect_.left, false);
  if (auto corner = TagAttribute(tag, u"BGTOPRIGHT"))
    DrawSourceAt(*corner, rect_.right, true);
}

void MarkupLayout::DrawSourceAt(WideStringView src, int x, bool right_aligned) {
  LineItem image;
  image.kind = LineItem::Kind::kImage;
  Size size;
  image.source = ResolveSource(src, image.image_index, size);
  if (image.source == ImageSource::kMissing)
    return;
  const int left = right_aligned ? x - size.cx : x;
  DrawImageItem(image, {left, rect_.top, left + size.cx, rect_.top + size.cy});
}

ImageSource MarkupLayout::ResolveSource(WideStringView src, int& index, Size& natural) {
  natural = {};
  index = 0;
  if (StartsWithUpper(src, u"IDX:")) {
    index = ParseTagNumber(src.substr(4));
    if (params_.images && index < params_.images->Count()) {
      natural = params_.images->ImageSize();
      return ImageSource::kList;
    }
    return ImageSource::kMissing;
  }
  for (auto [prefix, which, source] :
       {std::tuple{u"SSYS:", SystemImageSize::kSmall, ImageSource::kSmallSystem},
        std::tuple{u"LSYS:", SystemImageSize::kLarge, ImageSource::kLargeSystem}}) {
    if (!StartsWithUpper(src, prefix))
      continue;
    index = ParseTagNumber(src.substr(5));
    return canvas_.SystemImageListSize(which, natural) ? source : ImageSource::kMissing;
  }
  // URL and picture-container images are not fetched by this engine.
  return ImageSource::kMissing;
}

void MarkupLayout::OpenImage(WideStringView tag) {
  if (hidden_)
    return;
  LineItem item;
  item.kind = LineItem::Kind::kImage;
  item.font = font_;
  item.anchor = in_anchor_ ? anchor_counter_ : -1;
  Size natural;
  const WideString src = TagAttribute(tag, u"SRC").value_or(WideString());
  item.source = ResolveSource(src, item.image_index, natural);
  if (item.source == ImageSource::kMissing) {
    item.text = ReplaceEntities(TagAttribute(tag, u"ALT").value_or(WideString()));
    if (!item.text.empty()) {
      const TextExtent extent = MeasureCurrent(item.text);
      natural = {extent.width, extent.height};
    }
  }
  const int width = ParseTagNumber(TagAttribute(tag, u"WIDTH").value_or(WideString()));
  const int height = ParseTagNumber(TagAttribute(tag, u"HEIGHT").value_or(WideString()));
  item.width = width > 0 ? width : natural.cx;
  item.ascent = height > 0 ? height : natural.cy;
  if (item.width <= 0 || item.ascent <= 0)
    return;

  const auto align = TagAttribute(tag, u"ALIGN");
  if (!Contains(align, u"GH")) {
    PlaceItem(std::move(item));
    return;
  }
  // Floats to the right edge of the line; with WRAP the following lines flow beside it.
  item.floating = true;
  item.x = RightLimit() - item.width;
  if (Contains(align, u"WRAP")) {
    item.wraps = true;
    float_active_ = true;
    float_left_ = item.x;
    float_bottom_ = SaturatingAdd(y_, item.ascent);
  } else {
    line_right_limit_ = item.x;
  }
  items_.push_back(std::move(item));
}

void MarkupLayout::OpenListItem() {
  if (hidden_)
    return;
  SoftBreak();
  const WideString name = font_.name;
  font_.name = u"Symbol";
  AddRun(list_level_ % 2 == 1 ? u"\u00B7" : u"o");
  font_.name = name;
  AddRun(u" ");
}

void MarkupLayout::HorizontalRule() {
  SoftBreak();
  const int height = MeasureCurrent(u" ").height;
  if (drawing_) {
    const int middle = y_ + height / 2;
    canvas_.DrawLine({rect_.left, middle}, {rect_.right, middle});
  }
  used_bottom_ = std::max(used_bottom_, SaturatingAdd(y_, height));
  y_ = SaturatingAdd(y_, SaturatingAdd(height, params_.line_spacing));
}

}  // namespace kova::html_internal
