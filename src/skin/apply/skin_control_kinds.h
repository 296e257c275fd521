// Which control skinning object a control gets, free of any window system: the class
// table of plain windows (by class name and style) and of the framework's button-like
// controls, each gated by the skin's SkinControls families.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "base/text.h"
#include "skin/data/skin_types.h"

namespace kova {

enum class SkinControlKind : uint8_t {
  kNone,              // stays unskinned
  kButton,            // TSkinButton
  kBitButton,         // TSkinBitButton: a button with a glyph
  kPngBitButton,      // TSkinBitButton with the "PngImage" property as glyph
  kSpeedButton,       // TSkinSpeedButton (windowless)
  kPngSpeedButton,    // TSkinSpeedButton with the "PngImage" property as glyph
  kMenuButton,        // TSkinMenuButton: a button with a drop-down part
  kCheckBox,          // TSkinCheckBox
  kRadioButton,       // TSkinRadioButton
  kObjImageCheck,     // TSkinObjImage kind 1
  kObjImageRadio,     // TSkinObjImage kind 2
  kObjImageCheck3,    // TSkinObjImage kind 3
  kScrollbar,         // TSkinScControl: a stand-alone scroll bar
  kScrollingControl,  // TSkinScrollbar: the scroll bars of a scrolling control
  kSingleScrollbar,   // TSkinScrollbar in single mode
  kPlainScrollbars,   // TSkinScrollbarH: the scroll bars of a plain window
  kListView,          // TSkinListView
  kSizer,             // TSkinSizer: a size grip
  kComboBox,          // TSkinComBox
  kEdit,              // TSkinEdit
  kDateTime,          // TSkinDateTime
  kNestedDialog,      // TSkinBoxH
  kToolbar,           // TSkinBoxH
  kBox,               // TSkinBox: panels, nested forms, navigators, tool bars
  kGroupBox,          // TSkinGroupBox
  kProgress,          // TSkinProgress
  kTrackBar,          // TSkinTrackBar
  kUpDown,            // TSkinUpDown
  kHeader,            // TSkinHeader
  kStatusBar,         // TSkinStatusBar
  kTab,               // TSkinTab
  kTabControl,        // TSkinTab in mode 2: a tab control that is not a page control
  kTab31,             // TSkinTab31: the older tab set
  kTabButtons,        // TSkinTabBtn: a page control whose tabs are buttons
  kTabSheet,          // TSkinTabSheet
  kAdvPage,           // TSkinAdvPage
  kMediaPlayer,       // TSkinMP
  kFormColor,         // the framework control behind the window only takes the form colour
};

// A plain window's kind from its class name (any case) and styles.
SkinControlKind PlainControlKind(std::string_view class_name, uint32_t style,
                                 const TSkinControlTypes& families);

// A framework control's kind from its class name (any case) for the push buttons, check
// boxes, radio buttons and scroll bars of the framework; kNone for the others.
SkinControlKind FrameworkControlKind(std::string_view class_name,
                                     const TSkinControlTypes& families);

// What a class-map kind (the text after "=" of a skin's class-map line) makes of a
// framework control: nullopt leaves the class to the built-in rules, kNone claims it and
// keeps it unskinned ("nil", unknown kinds, families whose gate is off or that are not
// painted from the skin).
std::optional<SkinControlKind> Skin3rdControlKind(WideStringView kind,
                                                  const TSkinControlTypes& families);

}  // namespace kova
