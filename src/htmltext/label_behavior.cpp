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

}  // namespace kova
