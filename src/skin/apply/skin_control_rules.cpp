#include "skin/apply/skin_control_rules.h"

#include <cctype>
#include <initializer_list>
#include <string>

#include "skin/apply/skin_properties.h"

namespace kova {

namespace {

using F = TSkinControlType;
using K = SkinControlKind;
using C = ChildrenStep;

constexpr uint32_t kVScroll = 0x00200000;
constexpr uint32_t kHScroll = 0x00100000;

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return out;
}

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return out;
}

// The control is of one of these classes or descends from one.
bool Is(const TObject& control, std::initializer_list<std::string_view> classes) {
  for (std::string_view name : classes) {
    if (InheritsFromName(control, name)) {
      return true;
    }
  }
  return false;
}

bool NameIn(const std::string& upper, std::initializer_list<std::string_view> names) {
  for (std::string_view name : names) {
    if (upper == name) {
      return true;
    }
  }
  return false;
}

ControlMatch Make(K kind, ChildrenStep children = C::kNone, bool set_color = false) {
  ControlMatch m;
  m.kind = kind;
  m.children = children;
  m.set_color = set_color;
  return m;
}

// A class-map kind whose gate is closed still claims the control: it stays unskinned.
ControlMatch Gated(const MatchContext& context, F family, ControlMatch match) {
  return context.families.Has(family) ? match : ControlMatch{};
}

bool TabsOpen(const MatchContext& context) {
  return context.families.Has(F::xcTab) && context.skin_has_tabs;
}

bool ButtonStyleTabs(const TObject& control) {
  return GetProperty(&control, "Style") != u"tsTabs";
}

}  // namespace

bool NeverSkinnedClass(std::string_view class_name) {
  return NameIn(Upper(class_name), {"TDBCOMBOBOXEH", "TFRDESIGNERPAGE", "TFRPBOX"});
}

bool PassesDisableTag(std::string_view class_name) {
  const std::string lower = Lower(class_name);
  return lower.find("radiogroup") != std::string::npos ||
         lower.find("checkgroup") != std::string::npos;
}

bool IsScrollingControl(const TObject& control, bool windowed, uint32_t window_style) {
  if (!windowed) {
    return false;
  }
  // A combo box's scroll style is its list's, and its list is not the control.
  if (Is(control, {"TCustomComboBox", "TComboBox"})) {
    return false;
  }
  return (window_style & (kVScroll | kHScroll)) != 0 ||
         Is(control, {"TCustomListBox", "TListBox", "TCustomMemo", "TMemo", "TCustomTreeView",
                      "TTreeView", "TScrollBox"});
}

SkinControlKind GroupItemKind(ChildrenStep step, const TObject& child, bool windowed,
                              uint32_t window_style) {
  const bool foreign = Upper(child.ClassName()).find("TRZ") != std::string::npos;
  switch (step) {
    case C::kRadioButtons:
      return K::kRadioButton;
    case C::kRadioItems:
      return foreign ? K::kObjImageRadio : K::kRadioButton;
    case C::kCheckItems:
      return foreign ? K::kObjImageCheck : K::kCheckBox;
    case C::kEmbedScrollbars:
      if (Is(child, {"TScrollBar"})) {
        return K::kScrollbar;
      }
      return IsScrollingControl(child, windowed, window_style) ? K::kScrollingControl : K::kNone;
    default:
      return K::kNone;
  }
}

ControlMatch MatchFrameworkControl(const TObject& control, bool windowed, uint32_t window_style,
                                   const MatchContext& context) {
  const std::string name = Upper(control.ClassName());
  // A rule applies only while its family is skinned; otherwise the later rules decide.
  const auto open = [&context](F family) { return context.families.Has(family); };
  const bool tabs = TabsOpen(context);

  if (tabs && Is(control, {"TCustomTabControl"}) && !Is(control, {"TPageControl"})) {
    return Make(K::kTabControl);
  }
  if (tabs && Is(control, {"TPageControl"})) {
    return Make(ButtonStyleTabs(control) ? K::kTabButtons : K::kTab);
  }
  if (context.frame_skinned && Is(control, {"TToolButton"})) {
    ControlMatch m;
    m.extra = MatchExtra::kToolButtonMenu;
    return m;
  }
  if (open(F::xcToolbar) && Is(control, {"TCoolBar"})) {
    ControlMatch m;
    m.extra = MatchExtra::kCoolBarBands;
    return m;
  }
  if (tabs && name == "TTABSET") {
    return Make(K::kTab31);
  }
  if (tabs && Is(control, {"TTabSheet"})) {
    return Make(K::kTabSheet);
  }
  if (tabs && name == "TTABBEDNOTEBOOK") {
    return Make(K::kTab);
  }
  // Other vendors' page controls: a windowed control that publishes its active page.
  if (tabs && windowed && name != "TMVCPANEL" && HasProperty(&control, "ActivePage")) {
    return Make(ButtonStyleTabs(control) ? K::kTabButtons : K::kTab);
  }
  if (open(F::xcPanel) && Is(control, {"TCustomHeaderControl", "THeaderControl"})) {
    return Make(K::kHeader);
  }
  if (open(F::xcCheckBox) && Is(control, {"TCustomCheckBox", "TCheckBox"})) {
    return Make(K::kCheckBox);
  }
  if (open(F::xcTrackBar) && Is(control, {"TTrackBar"})) {
    return Make(K::kTrackBar);
  }
  if (open(F::xcSpin) && NameIn(name, {"TUPDOWN", "TSPINBUTTON"})) {
    return Make(K::kUpDown);
  }
  if (open(F::xcButton) && name == "TMEDIAPLAYER") {
    return Make(K::kMediaPlayer);
  }
  if (open(F::xcRadioButton) && Is(control, {"TCustomRadioGroup", "TRadioGroup"})) {
    return Make(K::kGroupBox, C::kRadioButtons, true);
  }
  if (open(F::xcPanel) && name == "TDBNAVIGATOR") {
    return Make(K::kBox, C::kMatchAfter, true);
  }
  if (open(F::xcCheckBox) && NameIn(name, {"TRZDBCHECKBOX", "TRZCHECKBOX"})) {
    return Make(K::kObjImageCheck);
  }
  if (open(F::xcRadioButton) && NameIn(name, {"TRZRADIOBUTTON", "TRZDBRADIOBUTTON"})) {
    return Make(K::kObjImageRadio);
  }
  if (open(F::xcCheckBox) && NameIn(name, {"TCXDBCHECKBOX", "TCXCHECKBOX"})) {
    return Make(K::kObjImageCheck3);
  }
  if (open(F::xcPanel) && Is(control, {"TCustomGroupBox", "TGroupBox"})) {
    return Make(K::kGroupBox, C::kMatchBefore);
  }
  if (open(F::xcRadioButton) && Is(control, {"TRadioButton"})) {
    return Make(K::kRadioButton);
  }
  if (open(F::xcToolbar) && Is(control, {"TToolBar"})) {
    ControlMatch m = Make(K::kBox);
    m.extra = MatchExtra::kToolBar;
    return m;
  }
  if (open(F::xcStatusBar) && Is(control, {"TCustomStatusBar", "TStatusBar"})) {
    return Make(K::kStatusBar);
  }
  if (open(F::xcProgress) && Is(control, {"TProgressBar"})) {
    return Make(K::kProgress);
  }
  if (open(F::xcScrollbar) && Is(control, {"TScrollBar"})) {
    return Make(K::kScrollbar);
  }
  if (open(F::xcCombo) &&
      (name == "TTNTCOMBOBOX" || Is(control, {"TCustomComboBox", "TComboBox"}))) {
    return Make(K::kComboBox);
  }
  if (open(F::xcEdit) && Is(control, {"TDateTimePicker"})) {
    // Time pickers and pickers with up-down buttons have no drop-down: an edit's look.
    const bool edit_like =
        GetIntProperty(&control, "Kind") == 1 || GetIntProperty(&control, "DateMode") == 1;
    return Make(edit_like ? K::kEdit : K::kDateTime);
  }
  if (open(F::xcScrollbar) && NameIn(name, {"TRICHEDIT", "TWWDBRICHEDIT", "TDXDBMEMO"})) {
    return Make(K::kScrollingControl);
  }
  if (open(F::xcBitBtn) && Is(control, {"TBitBtn"})) {
    return Make(K::kBitButton);
  }
  if (open(F::xcSpeedButton) && Is(control, {"TSpeedButton"})) {
    return Make(K::kSpeedButton);
  }
  if (open(F::xcPanel) && Is(control, {"TCustomPanel", "TPanel"})) {
    return Make(K::kBox, C::kMatchBefore);
  }
  if (open(F::xcScrollbar) && NameIn(name, {"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"})) {
    return Make(K::kScrollingControl);
  }
  if (open(F::xcScrollbar) && Is(control, {"TCustomListView", "TListView"})) {
    return Make(K::kListView);
  }
  if (open(F::xcScrollbar) &&
      (Is(control, {"TCustomGrid"}) || IsScrollingControl(control, windowed, window_style))) {
    return Make(K::kScrollingControl);
  }
  if (open(F::xcButton) && Is(control, {"TButton"})) {
    return Make(K::kButton);
  }
  if (open(F::xcEdit) && Is(control, {"TCustomEdit", "TEdit"})) {
    return Make(K::kEdit);
  }
  if (Is(control, {"TCustomFrame", "TFrame"})) {
    return Make(K::kNone, C::kComponents);
  }
  if (Is(control, {"TCustomForm", "TForm"})) {
    return Make(K::kBox, C::kComponents);
  }
  if (NameIn(name, {"TDCEDIT", "TDCDBEDIT"})) {
    const int64_t buttons = GetIntProperty(&control, "NumButtons");
    if (buttons == 1 && open(F::xcCombo)) {
      return Make(K::kComboBox);
    }
    if (buttons == 0 && open(F::xcEdit)) {
      ControlMatch m = Make(K::kEdit);
      m.plain_window = true;
      return m;
    }
  }
  if (windowed) {
    return Make(K::kNone, C::kMatchAfter);
  }
  return {};
}

std::optional<ControlMatch> Find3rdControl(WideStringView kind, std::string_view class_name,
                                           const TObject& control, const MatchContext& context) {
  if (kind.empty()) {
    return std::nullopt;
  }
  // Only the first 50 characters after "=" count.
  const std::string k = Lower(WideToUtf8(kind.substr(0, 50)));
  struct Row {
    std::string_view kind;
    F family;
    ControlMatch match;
  };
  const Row rows[] = {
      {"combobox", F::xcCombo, Make(K::kComboBox)},
      {"comboboxex", F::xcCombo, Make(K::kComboBox)},
      {"edit", F::xcEdit, Make(K::kEdit)},
      {"radiobutton", F::xcRadioButton, Make(K::kRadioButton)},
      {"panel", F::xcPanel, Make(K::kBox)},
      {"trackbar", F::xcButton, Make(K::kTrackBar)},
      {"button", F::xcButton, Make(K::kButton)},
      {"datetimepicker", F::xcCombo, Make(K::kDateTime)},
      {"mediaplayer", F::xcButton, Make(K::kMediaPlayer)},
      {"pngbitbtn", F::xcButton, Make(K::kPngBitButton)},
      {"pngspeedbutton", F::xcButton, Make(K::kPngSpeedButton)},
      {"menubtn", F::xcButton, Make(K::kMenuButton)},
      {"speedbutton", F::xcSpeedButton, Make(K::kSpeedButton)},
      {"progress", F::xcProgress, Make(K::kProgress)},
      {"scrollbar", F::xcScrollbar, Make(K::kScrollingControl, C::kMatchAfter)},
      {"singlescrollbar", F::xcScrollbar, Make(K::kSingleScrollbar)},
      {"embedscrollbar", F::xcScrollbar, Make(K::kNone, C::kEmbedScrollbars)},
      {"groupbox", F::xcGroupBox, Make(K::kGroupBox)},
      {"advpagecontrol", F::xcTab, Make(K::kAdvPage)},
      {"radiogroup", F::xcRadioButton, Make(K::kGroupBox, C::kRadioItems, true)},
      {"checkgroup", F::xcCheckBox, Make(K::kGroupBox, C::kCheckItems, true)},
      {"checkbox", F::xcCheckBox, Make(K::kCheckBox)},
  };
  for (const Row& row : rows) {
    if (k == row.kind) {
      return Gated(context, row.family, row.match);
    }
  }
  if (k == "bitbtn") {
    const bool drop_down =
        Lower(class_name) == "tcxbutton" && GetProperty(&control, "Kind") == u"cxbkDropDownButton";
    return Gated(context, F::xcButton, Make(drop_down ? K::kMenuButton : K::kBitButton));
  }
  if (k == "tab") {
    return TabsOpen(context) ? Make(K::kTab) : ControlMatch{};
  }
  if (k == "container") {
    return Make(K::kNone, C::kMatchAfter);
  }
  return ControlMatch{};  // "nil" and any other kind: claimed, left unskinned
}

}  // namespace kova
