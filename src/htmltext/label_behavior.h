// The window-free part of the HTML label: how its text is stored and joined, which
// anchor targets may go to the shell, and how the hovered anchor follows the mouse.
// The label control drives these from its properties and mouse messages.
#pragma once

#include <optional>
#include <vector>

#include "base/text.h"
#include "htmltext/html_draw.h"

namespace kova {

// Assigning lines to the label's HTMLText: they are taken as one text with every CR
// and LF removed (breaks come only from mark-up such as "<BR>").
WideString LabelTextFromAssignedLines(const std::vector<WideString>& lines);

// The text to draw when the label holds several lines: joined with one space.
WideString JoinLabelLines(const std::vector<WideString>& lines);

// Whether a clicked anchor's target may be opened with the shell. Label texts come from
// dictionary files, so only web and mail addresses are opened; other schemes (file,
// custom protocol handlers) and local names such as "#" go to the click event only.
bool IsShellOpenableTarget(WideStringView target);

// The label's accelerator: the character after the first "&" of its text that is
// neither doubled ("&&" shows one "&") nor the start of an entity such as "&amp;";
// mark-up tags are not text. None when the text marks no character.
std::optional<char16_t> LabelAccelerator(WideStringView markup);
// Whether a typed character picks that accelerator (letters in either case).
bool MatchesAccelerator(char16_t typed, char16_t accelerator);

inline constexpr int kCursorDefault = 0;
inline constexpr int kCursorHandPoint = -21;

// The hint for an anchor sits 10 pixels right of and 10 pixels above the mouse.
inline Point AnchorHintPosition(Point mouse_on_screen) {
  return {mouse_on_screen.x + 10, mouse_on_screen.y - 10};
}

// What a mouse move or leave asks the label to do.
struct HoverUpdate {
  bool entered = false;       // fire the anchor-enter event with |target|, cancel a pending hint
  bool exited = false;        // fire the anchor-exit event
  std::optional<int> cursor;  // new cursor, when it changes
  std::vector<Rect> repaint;  // anchor rectangles to invalidate (with hover on)
  WideString target;
};

class AnchorHoverTracker {
 public:
  // |hit| is the engine's answer for the mouse position.
  HoverUpdate MouseMove(const HTMLDrawResult& hit, bool hover);
  HoverUpdate MouseLeave(bool hover);

  int hovered_index() const { return hovered_index_; }
  int cursor() const { return cursor_; }

 private:
  int hovered_index_ = -1;
  WideString last_target_;
  Rect last_rect_;
  bool has_last_ = false;
  int cursor_ = kCursorDefault;
};

}  // namespace kova
