// Which skinning object a framework control gets, free of any window system: the
// built-in rules over the control's class (its own name and its ancestors' names), its
// published properties and its window style, and the skin's class map. Both answer what
// to make for the control and what happens to its children; the Windows side does it.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "base/text.h"
#include "forms/classes/object.h"
#include "skin/apply/skin_control_kinds.h"
#include "skin/data/skin_types.h"

namespace kova {

// What happens to the children of a matched control.
enum class ChildrenStep : uint8_t {
  kNone,             // left alone
  kMatchBefore,      // each child control is matched, then the control's own object is made
  kMatchAfter,       // the control's own object is made, then each child control is matched
  kComponents,       // every component the control owns is matched (frames, nested forms)
  kRadioButtons,     // each child gets TSkinRadioButton, then the control's own object
  kRadioItems,       // each child gets TSkinObjImage for "TRZ" classes, else TSkinRadioButton
  kCheckItems,       // each child gets TSkinObjImage for "TRZ" classes, else TSkinCheckBox
  kEmbedScrollbars,  // each child scroll bar gets TSkinScControl, each scrolling child
                     // TSkinScrollbar
};

// Something a rule does besides making an object.
enum class MatchExtra : uint8_t {
  kNone,
  kToolBar,         // "Flat" set to True; the bar's own drawing handlers stay
  kToolButtonMenu,  // the tool button's drop-down menu is drawn by the skin
  kCoolBarBands,    // the bands take the skin's form colour
};

struct ControlMatch {
  SkinControlKind kind = SkinControlKind::kNone;
  bool set_color = false;     // the control's colour becomes the skin's form colour
  bool plain_window = false;  // the object takes the control's window as a plain window
  ChildrenStep children = ChildrenStep::kNone;
  MatchExtra extra = MatchExtra::kNone;
  friend bool operator==(const ControlMatch&, const ControlMatch&) = default;
};

// What the rules see besides the control itself.
struct MatchContext {
  TSkinControlTypes families;
  bool skin_has_tabs = false;  // the skin's "Tabs" object has an image
  bool frame_skinned = false;  // the window's frame is skinned
};

// The built-in rules, first match wins; a rule applies only while its family is in
// SkinControls (tab rules also need the skin's tabs). `window_style` is the control's window style
// (0 for a control without a window); `windowed` tells a windowed control from a graphic one. A
// control that no rule matches gets kNone; a windowed one has its children matched.
ControlMatch MatchFrameworkControl(const TObject& control, bool windowed, uint32_t window_style,
                                   const MatchContext& context);

// A class-map kind (the lower-cased text after "=" of the class's line, empty when the
// map has no line) applied to a control: nullopt when the map does not claim the class,
// else what to do; "nil", unknown kinds and kinds whose gate is closed claim the class and
// keep it unskinned. `class_name` is the control's class name in any case.
std::optional<ControlMatch> Find3rdControl(WideStringView kind, std::string_view class_name,
                                           const TObject& control, const MatchContext& context);

// Classes that are never skinned, whatever the rules say.
bool NeverSkinnedClass(std::string_view class_name);

// Radio groups and check groups pass the disable tag on to their children.
bool PassesDisableTag(std::string_view class_name);

// A windowed control whose window has scroll bars of its own, or a list box, memo, tree
// view or scroll box.
bool IsScrollingControl(const TObject& control, bool windowed, uint32_t window_style);

// Children of a radio or check group: the object kind of `child` for the group's step.
SkinControlKind GroupItemKind(ChildrenStep step, const TObject& child, bool windowed,
                              uint32_t window_style);

}  // namespace kova
