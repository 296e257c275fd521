// Internal to the engine: the walk over the mark-up. Runs and tags change the drawing
// state; placed pieces collect in the current line, which is aligned, drawn and
// hit-tested when it ends. Nothing outlives the call but the result.
#pragma once

#include <optional>
#include <tuple>
#include <vector>

#include "htmltext/html_draw.h"

namespace kova::html_internal {

enum class Align { kLeft, kCenter, kRight };

enum class ImageSource { kMissing, kList, kSmallSystem, kLargeSystem };

struct LineItem {
  enum class Kind { kText, kImage };
  Kind kind = Kind::kText;
  WideString text;  // the run, or the alternative text of an image
  Font font;
  Color background = kColorNone;
  int x = 0;  // before alignment
  int width = 0;
  int ascent = 0;
  int descent = 0;
  int shift = 0;  // positive moves down (subscript), negative up (superscript)
  int anchor = -1;
  bool shadow = false;
  bool error = false;
  bool invisible = false;  // blink phase off, or past the right edge without wrapping
  bool floating = false;   // right-aligned image: fixed x, outside the line's flow
  bool wraps = false;      // a floating image that text flows beside on later lines
  ImageSource source = ImageSource::kMissing;
  int image_index = 0;
};

struct AnchorInfo {
  WideString target;
  Rect bounds;
};

class MarkupLayout {
 public:
  MarkupLayout(HTMLCanvas& canvas, const HTMLDrawParams& params);
  HTMLDrawResult Run(WideStringView markup);

 private:
  // Text runs and line handling.
  void AddRun(WideStringView raw);
  void PlaceItem(LineItem item);
  void CutWithEllipsis(LineItem& item);
  void HardBreak();
  void SoftBreak();
  void FlushLine(bool keep_empty);
  void DrawItem(const LineItem& item, const Rect& box);
  void DrawImageItem(const LineItem& item, const Rect& box);
  int LineStartX() const;
  int RightLimit() const;
  TextExtent MeasureCurrent(WideStringView text);

  // Tags.
  void HandleTag(WideStringView tag);
  void OpenTag(WideStringView tag, char16_t first, char16_t second);
  void CloseTag(WideStringView tag, char16_t first, char16_t second);
  void OpenAnchor(WideStringView tag);
  void CloseAnchor();
  void OpenFont(WideStringView tag);
  void OpenParagraph(WideStringView tag);
  void OpenBody(WideStringView tag);
  void OpenImage(WideStringView tag);
  void OpenListItem();
  void HorizontalRule();
  ImageSource ResolveSource(WideStringView src, int& index, Size& natural);
  void DrawSourceAt(WideStringView src, int x, bool right_aligned);

  HTMLCanvas& canvas_;
  const HTMLDrawParams& params_;
  const Rect rect_;
  const bool drawing_;

  // Drawing state.
  Font font_;
  Color background_;
  bool hidden_ = false;
  bool shadow_ = false;
  bool subscript_ = false;
  bool superscript_ = false;
  bool error_ = false;
  bool blink_ = false;
  int list_level_ = 0;
  int indent_ = 0;
  Align align_ = Align::kLeft;
  Color paragraph_color_ = kColorNone;
  Color paragraph_color_to_ = kColorNone;

  // Saved states of the tags that restore on close.
  struct FontSave {
    WideString name;
    Color color;
    int size;
    Color background;
  };
  std::vector<FontSave> font_saves_;
  struct ParagraphSave {
    Align align;
    int indent;
    Color color;
    Color color_to;
  };
  std::vector<ParagraphSave> paragraph_saves_;
  struct ColorSave {
    Color color;
    Color background;
  };
  std::optional<ColorSave> highlight_save_;
  struct AnchorSave {
    FontStyles style;
    Color color;
    Color background;
  };
  std::optional<AnchorSave> anchor_save_;
  std::vector<int> escapement_saves_;

  // Anchors.
  int anchor_counter_ = -1;
  bool in_anchor_ = false;
  std::vector<AnchorInfo> anchors_;
  int hit_anchor_ = -1;

  // The current line and the text block.
  std::vector<LineItem> items_;
  int x_;
  bool line_cut_ = false;  // the current line already ends in an ellipsis
  int y_;
  int used_width_ = 0;
  int used_bottom_;
  int line_right_limit_;  // lowered by a right-aligned image on this line
  int float_left_ = 0;    // a wrapped right-aligned image narrows lines above this bottom
  int float_bottom_ = 0;
  bool float_active_ = false;
};

}  // namespace kova::html_internal
