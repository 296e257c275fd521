// THTMLabel: the label that shows the dialogs' formatted texts through the mark-up
// engine, sizes itself to them and reports anchor clicks.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "forms/classes/strings.h"
#include "forms/controls/control.h"
#include "forms/graphics/image_list.h"
#include "htmltext/html_draw.h"
#include "htmltext/label_behavior.h"

namespace kova {

enum class TAutoSizeType { asVertical, asHorizontal, asBoth };
enum class TVAlignment { tvaTop, tvaCenter, tvaBottom };
enum class TLabelBorderStyle { bsNone, bsSingle };
enum class TLabelBevelCut { bvNone, bvLowered, bvRaised };

using TAnchorClick = std::function<void(TObject* sender, const WideString& anchor)>;

class THTMLabel : public TGraphicControl {
  KOVA_DECLARE_CLASS(THTMLabel)

 public:
  explicit THTMLabel(TComponent* owner);
  ~THTMLabel() override;

  // Assigning lines stores them as one line without CR and LF.
  TStringList* HTMLText() const { return html_text_.get(); }
  void SetHTMLText(const TStrings* lines);
  // The text the engine draws: the lines joined with one space.
  WideString DrawnText() const;

  bool AutoSizing() const { return auto_sizing_; }
  void SetAutoSizing(bool value);
  TAutoSizeType AutoSizeType() const { return auto_size_type_; }
  void SetAutoSizeType(TAutoSizeType value);
  TVAlignment VAlignment() const { return v_alignment_; }
  TLabelBorderStyle BorderStyle() const { return border_style_; }
  TLabelBevelCut BevelInner() const { return bevel_inner_; }
  TLabelBevelCut BevelOuter() const { return bevel_outer_; }
  TImageList* Images() const { return images_; }
  const TAnchorClick& OnAnchorClick() const { return on_anchor_click_; }
  void SetOnAnchorClick(TAnchorClick handler) { on_anchor_click_ = std::move(handler); }
  // The mouse entered an anchor (its target), left the anchor it was on (that target),
  // left the label.
  void SetOnAnchorEnter(TAnchorClick handler) { on_anchor_enter_ = std::move(handler); }
  void SetOnAnchorExit(TAnchorClick handler) { on_anchor_exit_ = std::move(handler); }
  void SetOnMouseLeave(TNotifyEvent handler) { on_mouse_leave_ = std::move(handler); }
  // Where the hint of the hovered anchor goes on the screen; none while no anchor hint
  // is pending (hints off, no anchor, or the mouse has left the label).
  const std::optional<Point>& AnchorHintPoint() const { return anchor_hint_point_; }

  // Stored values; each setter repaints.
  TColor url_color = RGBColor(0, 0, 255);
  bool hover = false;
  TColor hover_color = clNone;
  TColor hover_font_color = clNone;
  TColor shadow_color = RGBColor(128, 128, 128);
  int shadow_offset = 1;
  int line_spacing = 0;
  int line_width = 0;
  bool ellipsis = false;
  TColor color_to = clNone;
  int gradient_type = 0;
  int label_border_width = 0;
  TColor border_color = RGBColor(0, 0, 0);
  int bevel_width = 1;
  bool transparent = false;
  WideString version = u"1.8.0.2";

  // Lays the text out without painting; answers the size it needs.
  Size MeasureText() const;
  // The engine's answer for a point in client coordinates.
  HTMLDrawResult HitTest(int x, int y) const;
  int HoveredAnchor() const { return hover_tracker_.hovered_index(); }
  // Where the shell was asked to open a target (tests read it; production opens it).
  std::function<void(const WideString& target)> open_target;

  // The control that the label's accelerator (Alt and the character after "&")
  // focuses; none by default.
  TWinControl* FocusControl() const { return focus_control_; }
  void SetFocusControl(TWinControl* control);

  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend struct THTMLabelProperties;
  HTMLDrawParams Params(const Rect& rect) const;
  Rect TextRect() const;
  void RunAutoSize();
  void ApplyHover(const HoverUpdate& update, int x, int y);
  void CancelAnchorHint();
  void MouseDown(int x, int y);
  // Answers whether the character was this label's accelerator and was acted on.
  bool DialogChar(WPARAM character, LPARAM key_data);

  std::unique_ptr<TStringList> html_text_;
  TWinControl* focus_control_ = nullptr;
  bool auto_sizing_ = false;
  TAutoSizeType auto_size_type_ = TAutoSizeType::asVertical;
  TVAlignment v_alignment_ = TVAlignment::tvaTop;
  TLabelBorderStyle border_style_ = TLabelBorderStyle::bsNone;
  TLabelBevelCut bevel_inner_ = TLabelBevelCut::bvNone;
  TLabelBevelCut bevel_outer_ = TLabelBevelCut::bvNone;
  TImageList* images_ = nullptr;
  TAnchorClick on_anchor_click_;
  TAnchorClick on_anchor_enter_;
  TAnchorClick on_anchor_exit_;
  TNotifyEvent on_mouse_leave_;
  std::optional<Point> anchor_hint_point_;
  WideString hovered_target_;
  AnchorHoverTracker hover_tracker_;
  bool assigning_ = false;
};

}  // namespace kova
