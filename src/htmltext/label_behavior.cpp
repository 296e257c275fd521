#include "htmltext/label_behavior.h"

#include "htmltext/markup_text.h"

namespace kova {

WideString LabelTextFromAssignedLines(const std::vector<WideString>& lines) {
  WideString text;
  for (const WideString& line : lines)
    text += ConvertLineBreaks(line, false);
  return text;
}

WideString JoinLabelLines(const std::vector<WideString>& lines) {
  WideString text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0)
      text.push_back(u' ');
    text += lines[i];
  }
  return text;
}

bool IsShellOpenableTarget(WideStringView target) {
  for (WideStringView scheme : {u"http://", u"https://", u"mailto:"}) {
    if (target.size() > scheme.size() &&
        UpperCaseFind(target.substr(0, scheme.size()), scheme) == 0) {
      return true;
    }
  }
  return false;
}

HoverUpdate AnchorHoverTracker::MouseMove(const HTMLDrawResult& hit, bool hover) {
  HoverUpdate update;
  if (hit.on_anchor) {
    const bool changed =
        !has_last_ || hit.anchor_target != last_target_ || hit.anchor_rect != last_rect_;
    if (changed) {
      update.entered = true;
      update.target = hit.anchor_target;
      if (cursor_ != kCursorHandPoint)
        update.cursor = kCursorHandPoint;
      if (hover) {
        if (has_last_)
          update.repaint.push_back(last_rect_);
        update.repaint.push_back(hit.anchor_rect);
      }
      cursor_ = kCursorHandPoint;
      last_target_ = hit.anchor_target;
      last_rect_ = hit.anchor_rect;
      has_last_ = true;
    }
    hovered_index_ = hit.anchor_index;
    return update;
  }
  if (cursor_ == kCursorHandPoint) {
    update.exited = true;
    update.cursor = kCursorDefault;
    if (hover && has_last_)
      update.repaint.push_back(last_rect_);
    cursor_ = kCursorDefault;
  }
  has_last_ = false;
  last_target_.clear();
  hovered_index_ = -1;
  return update;
}

HoverUpdate AnchorHoverTracker::MouseLeave(bool hover) {
  HoverUpdate update;
  if (hover && hovered_index_ >= 0 && has_last_)
    update.repaint.push_back(last_rect_);
  hovered_index_ = -1;
  has_last_ = false;
  last_target_.clear();
  return update;
}

namespace {

bool IsEntityChar(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
         c == u'#';
}

// "&name;" with up to eight name characters.
bool StartsEntity(WideStringView text, size_t amp) {
  for (size_t i = amp + 1; i < text.size() && i <= amp + 9; ++i) {
    if (text[i] == u';') {
      return i > amp + 1;
    }
    if (!IsEntityChar(text[i])) {
      return false;
    }
  }
  return false;
}

char16_t FoldCase(char16_t c) {
  const bool latin_lower = c >= 0xE0 && c <= 0xFE && c != 0xF7;
  return (c >= u'a' && c <= u'z') || latin_lower ? static_cast<char16_t>(c - 32) : c;
}

}  // namespace

std::optional<char16_t> LabelAccelerator(WideStringView markup) {
  bool in_tag = false;
  for (size_t i = 0; i < markup.size(); ++i) {
    const char16_t c = markup[i];
    if (in_tag) {
      in_tag = c != u'>';
      continue;
    }
    if (c == u'<') {
      in_tag = true;
    } else if (c == u'&' && i + 1 < markup.size()) {
      const char16_t next = markup[i + 1];
      if (next == u'&') {
        ++i;
      } else if (!StartsEntity(markup, i) && next != u' ' && next != u'<') {
        return next;
      }
    }
  }
  return std::nullopt;
}

bool MatchesAccelerator(char16_t typed, char16_t accelerator) {
  return FoldCase(typed) == FoldCase(accelerator);
}

}  // namespace kova
