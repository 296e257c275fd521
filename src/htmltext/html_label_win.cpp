#include "htmltext/html_label_win.h"

#include <shellapi.h>
#include <windowsx.h>

#include <vector>

#include "forms/controls/messages.h"
#include "base/win/handles_win.h"
#include "htmltext/gdi_canvas.h"
#include "htmltext/gradient.h"

namespace kova {
namespace {

const EnumTypeInfo kAutoSizeTypeInfo{"TAutoSizeType", {"asVertical", "asHorizontal", "asBoth"}};
const EnumTypeInfo kVAlignmentInfo{"TVAlignment", {"tvaTop", "tvaCenter", "tvaBottom"}};
const EnumTypeInfo kLabelBorderStyleInfo{"TBorderStyle", {"bsNone", "bsSingle"}};
const EnumTypeInfo kLabelBevelCutInfo{"TBevelCut", {"bvNone", "bvLowered", "bvRaised"}};

// Framework and engine colours share one encoding.
Color EngineColor(TColor color) {
  return static_cast<Color>(color);
}

Font EngineFont(const TFont& font) {
  Font result;
  result.name = font.Name();
  result.size = font.Size();
  result.color = EngineColor(font.Color());
  const TFontStyles style = font.Style();
  result.style.Set(FontStyle::kBold, style.Has(TFontStyle::fsBold));
  result.style.Set(FontStyle::kItalic, style.Has(TFontStyle::fsItalic));
  result.style.Set(FontStyle::kUnderline, style.Has(TFontStyle::fsUnderline));
  result.style.Set(FontStyle::kStrikeOut, style.Has(TFontStyle::fsStrikeOut));
  return result;
}

void OpenWithShell(const WideString& target) {
  ShellExecuteW(nullptr, L"open", AsWin(target.c_str()), nullptr, nullptr, SW_SHOWNORMAL);
}

UINT BevelEdge(TLabelBevelCut cut, bool outer) {
  switch (cut) {
    case TLabelBevelCut::bvLowered:
      return outer ? BDR_SUNKENOUTER : BDR_SUNKENINNER;
    case TLabelBevelCut::bvRaised:
      return outer ? BDR_RAISEDOUTER : BDR_RAISEDINNER;
    case TLabelBevelCut::bvNone:
      break;
  }
  return 0;
}

// Setters of the published properties: store, then repaint.
template <class V>
auto Stored(V THTMLabel::*field) {
  return [field](THTMLabel& label, V value) {
    label.*field = value;
    label.Invalidate();
  };
}

}  // namespace

struct THTMLabelProperties {
  static std::vector<PropertyInfo> Build() {
    using L = THTMLabel;
    return PropertyListBuilder<L>()
        .Object<TStringList>(
            "HTMLText", [](const L& l) { return l.html_text_.get(); },
            [](L& l, TObject* v) { l.SetHTMLText(dynamic_cast<TStrings*>(v)); })
        .Integer(
            "AutoSizing", [](const L& l) { return l.auto_sizing_; },
            [](L& l, int64_t v) { l.SetAutoSizing(v != 0); })
        .Enum(
            "AutoSizeType", kAutoSizeTypeInfo, [](const L& l) { return l.auto_size_type_; },
            [](L& l, TAutoSizeType v) { l.SetAutoSizeType(v); })
        .Integer(
            "URLColor", [](const L& l) { return l.url_color; }, Stored(&L::url_color))
        .Integer(
            "Hover", [](const L& l) { return l.hover; }, Stored(&L::hover))
        .Integer(
            "HoverColor", [](const L& l) { return l.hover_color; }, Stored(&L::hover_color))
        .Integer(
            "HoverFontColor", [](const L& l) { return l.hover_font_color; },
            Stored(&L::hover_font_color))
        .Integer(
            "ShadowColor", [](const L& l) { return l.shadow_color; }, Stored(&L::shadow_color))
        .Integer(
            "ShadowOffset", [](const L& l) { return l.shadow_offset; }, Stored(&L::shadow_offset))
        .Integer(
            "LineSpacing", [](const L& l) { return l.line_spacing; }, Stored(&L::line_spacing))
        .Integer(
            "LineWidth", [](const L& l) { return l.line_width; }, Stored(&L::line_width))
        .Integer(
            "Ellipsis", [](const L& l) { return l.ellipsis; }, Stored(&L::ellipsis))
        .Enum(
            "VAlignment", kVAlignmentInfo, [](const L& l) { return l.v_alignment_; },
            Stored(&L::v_alignment_))
        .Integer(
            "ColorTo", [](const L& l) { return l.color_to; }, Stored(&L::color_to))
        .Integer(
            "GradientType", [](const L& l) { return l.gradient_type; }, Stored(&L::gradient_type))
        .Enum(
            "BorderStyle", kLabelBorderStyleInfo, [](const L& l) { return l.border_style_; },
            Stored(&L::border_style_))
        .Integer(
            "BorderWidth", [](const L& l) { return l.label_border_width; },
            Stored(&L::label_border_width))
        .Integer(
            "BorderColor", [](const L& l) { return l.border_color; }, Stored(&L::border_color))
        .Enum(
            "BevelInner", kLabelBevelCutInfo, [](const L& l) { return l.bevel_inner_; },
            Stored(&L::bevel_inner_))
        .Enum(
            "BevelOuter", kLabelBevelCutInfo, [](const L& l) { return l.bevel_outer_; },
            Stored(&L::bevel_outer_))
        .Integer(
            "BevelWidth", [](const L& l) { return l.bevel_width; }, Stored(&L::bevel_width))
        .Object<TImageList>(
            "Images", [](const L& l) { return l.images_; },
            [](L& l, TObject* v) {
              l.images_ = dynamic_cast<TImageList*>(v);
              l.Invalidate();
            })
        .Object<TWinControl>(
            "FocusControl", [](const L& l) { return l.focus_control_; },
            [](L& l, TObject* v) { l.SetFocusControl(dynamic_cast<TWinControl*>(v)); })
        .Integer(
            "Transparent", [](const L& l) { return l.transparent; }, Stored(&L::transparent))
        .String(
            "Version", [](const L& l) { return l.version; },
            [](L& l, const WideString& v) { l.version = v; })
        .Method<TAnchorClick>(
            "OnAnchorClick", [](const L& l) { return l.on_anchor_click_; },
            [](L& l, TAnchorClick e) { l.on_anchor_click_ = std::move(e); })
        .Build();
  }
};

const ClassInfo& THTMLabel::StaticClass() {
  static const ClassInfo info("THTMLabel", &TGraphicControl::StaticClass(),
                              THTMLabelProperties::Build());
  return info;
}

THTMLabel::THTMLabel(TComponent* owner)
    : TGraphicControl(owner), html_text_(std::make_unique<TStringList>()) {
  SetBounds(0, 0, 100, 20);
  open_target = OpenWithShell;
  html_text_->OnChange = [this](TObject*) {
    if (!assigning_) {
      RunAutoSize();
      Invalidate();
    }
  };
}

THTMLabel::~THTMLabel() = default;

void THTMLabel::SetHTMLText(const TStrings* lines) {
  std::vector<WideString> assigned;
  for (int i = 0; lines != nullptr && i < lines->Count(); ++i) {
    assigned.push_back(lines->Get(i));
  }
  assigning_ = true;
  html_text_->Clear();
  html_text_->Add(LabelTextFromAssignedLines(assigned));
  assigning_ = false;
  RunAutoSize();
  Invalidate();
}

WideString THTMLabel::DrawnText() const {
  std::vector<WideString> lines;
  for (int i = 0; i < html_text_->Count(); ++i) {
    lines.push_back(html_text_->Get(i));
  }
  return JoinLabelLines(lines);
}

void THTMLabel::SetAutoSizing(bool value) {
  auto_sizing_ = value;
  RunAutoSize();
  Invalidate();
}

void THTMLabel::SetAutoSizeType(TAutoSizeType value) {
  auto_size_type_ = value;
  RunAutoSize();
  Invalidate();
}

Rect THTMLabel::TextRect() const {
  const int inset = label_border_width;
  Rect rect{inset, inset, Width() - inset, Height() - inset};
  if (line_width > 0) {
    rect.right = rect.left + line_width;
  }
  return rect;
}

HTMLDrawParams THTMLabel::Params(const Rect& rect) const {
  HTMLDrawParams params;
  params.rect = rect;
  params.url_color = EngineColor(url_color);
  params.hover_color = hover ? EngineColor(hover_color) : kColorNone;
  params.hover_font_color = hover ? EngineColor(hover_font_color) : kColorNone;
  params.hovered_anchor = hover ? hover_tracker_.hovered_index() : -1;
  params.shadow_color = EngineColor(shadow_color);
  params.shadow_offset = shadow_offset;
  params.line_spacing = line_spacing;
  params.word_wrap = !ellipsis;
  params.ellipsis = ellipsis;
  return params;
}

Size THTMLabel::MeasureText() const {
  ScopedGetDC screen(nullptr);
  GdiCanvas canvas(screen.Get(), EngineFont(Font()));
  HTMLDrawParams params = Params(TextRect());
  params.rect.bottom = params.rect.top + 0x3FFFFFFF;
  params.measure_only = true;
  return HTMLDraw(canvas, DrawnText(), params).size;
}

HTMLDrawResult THTMLabel::HitTest(int x, int y) const {
  ScopedGetDC screen(nullptr);
  GdiCanvas canvas(screen.Get(), EngineFont(Font()));
  HTMLDrawParams params = Params(TextRect());
  params.measure_only = true;
  params.test_point = Point{x, y};
  return HTMLDraw(canvas, DrawnText(), params);
}

void THTMLabel::RunAutoSize() {
  if (!auto_sizing_)
    return;
  switch (Align()) {
    case TAlign::alLeft:
    case TAlign::alRight:
      SetWidth(6);
      break;
    case TAlign::alTop:
    case TAlign::alBottom:
      SetHeight(6);
      break;
    default:
      break;
  }
  const Size size = MeasureText();
  const int border = 2 * label_border_width;
  const bool width = auto_size_type_ != TAutoSizeType::asVertical;
  const bool height = auto_size_type_ != TAutoSizeType::asHorizontal;
  SetBounds(Left(), Top(), width ? size.cx + border : Width(),
            height ? size.cy + border : Height());
}

void THTMLabel::Paint() {
  const HDC dc = Canvas().Handle();
  GdiCanvas canvas(dc, EngineFont(Font()));
  const Rect client{0, 0, Width(), Height()};
  if (!transparent) {
    if (color_to != clNone && (gradient_type == 0 || gradient_type == 1)) {
      GradientFill(
          canvas, client, EngineColor(Color()), EngineColor(color_to), Width() / 4,
          gradient_type == 0 ? GradientDirection::kHorizontal : GradientDirection::kVertical);
    } else {
      canvas.FillRect(client, EngineColor(Color()));
    }
  }
  RECT frame{0, 0, Width(), Height()};
  if (const UINT edge = BevelEdge(bevel_outer_, true) | BevelEdge(bevel_inner_, false)) {
    DrawEdge(dc, &frame, edge, BF_RECT);
  }
  if (border_style_ == TLabelBorderStyle::bsSingle) {
    canvas.FillRect({0, 0, Width(), 1}, EngineColor(border_color));
    canvas.FillRect({0, Height() - 1, Width(), Height()}, EngineColor(border_color));
    canvas.FillRect({0, 0, 1, Height()}, EngineColor(border_color));
    canvas.FillRect({Width() - 1, 0, Width(), Height()}, EngineColor(border_color));
  }
  HTMLDrawParams params = Params(TextRect());
  if (v_alignment_ != TVAlignment::tvaTop) {
    const int free = (params.rect.bottom - params.rect.top) - MeasureText().cy;
    params.rect.top += v_alignment_ == TVAlignment::tvaCenter ? free / 2 : free;
  }
  HTMLDraw(canvas, DrawnText(), params);
}

void THTMLabel::CancelAnchorHint() {
  if (anchor_hint_point_) {
    anchor_hint_point_.reset();
    SetHint(u"");
  }
}

void THTMLabel::ApplyHover(const HoverUpdate& update, int x, int y) {
  if (update.cursor) {
    SetCursor(*update.cursor);
  }
  if (update.entered) {
    CancelAnchorHint();  // the hint of the previous anchor must not show for this one
    if (ShowHint()) {
      SetHint(update.target);
      POINT screen{x, y};
      if (Parent() != nullptr && Parent()->HandleAllocated()) {
        screen.x += Left();
        screen.y += Top();
        ClientToScreen(Parent()->WindowHandle(), &screen);
      }
      anchor_hint_point_ = AnchorHintPosition(Point{screen.x, screen.y});
    }
    hovered_target_ = update.target;
    if (on_anchor_enter_) {
      on_anchor_enter_(this, update.target);
    }
  }
  if (update.exited) {
    CancelAnchorHint();
    const WideString left = std::move(hovered_target_);
    hovered_target_.clear();
    if (on_anchor_exit_) {
      on_anchor_exit_(this, left);
    }
  }
  if (!update.repaint.empty()) {
    Invalidate();
  }
}

void THTMLabel::MouseDown(int x, int y) {
  const HTMLDrawResult hit = HitTest(x, y);
  if (!hit.on_anchor)
    return;
  if (on_anchor_click_) {
    on_anchor_click_(this, hit.anchor_target);
  }
  // Label texts come from dictionary files: only web and mail addresses reach the shell.
  if (IsShellOpenableTarget(hit.anchor_target) && open_target) {
    open_target(hit.anchor_target);
  }
}

void THTMLabel::SetFocusControl(TWinControl* control) {
  if (focus_control_ == control) {
    return;
  }
  if (focus_control_ != nullptr) {
    focus_control_->RemoveFreeNotification(this);
  }
  focus_control_ = control;
  if (control != nullptr) {
    control->FreeNotification(this);
  }
}

void THTMLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == focus_control_) {
    focus_control_ = nullptr;
  }
}

bool THTMLabel::DialogChar(WPARAM character, LPARAM key_data) {
  constexpr LPARAM kAltDown = LPARAM{1} << 29;  // the key's context code
  if ((key_data & kAltDown) == 0 || focus_control_ == nullptr || !Enabled()) {
    return false;
  }
  const std::optional<char16_t> accelerator = LabelAccelerator(DrawnText());
  if (!accelerator || !MatchesAccelerator(static_cast<char16_t>(character), *accelerator) ||
      !focus_control_->CanFocus()) {
    return false;
  }
  focus_control_->SetFocus();
  return true;
}

void THTMLabel::WndProc(TMessage& message) {
  if (message.Msg == CM_DIALOGCHAR) {
    message.Result = DialogChar(message.WParam, message.LParam) ? 1 : 0;
    return;
  }
  TGraphicControl::WndProc(message);
  switch (message.Msg) {
    case WM_MOUSEMOVE: {
      const int x = GET_X_LPARAM(message.LParam);
      const int y = GET_Y_LPARAM(message.LParam);
      ApplyHover(hover_tracker_.MouseMove(HitTest(x, y), hover), x, y);
      break;
    }
    case WM_LBUTTONDOWN:
      MouseDown(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
      break;
    case CM_MOUSELEAVE:
      CancelAnchorHint();
      ApplyHover(hover_tracker_.MouseLeave(hover), 0, 0);
      if (on_mouse_leave_) {
        on_mouse_leave_(this);
      }
      break;
    default:
      break;
  }
}

}  // namespace kova
