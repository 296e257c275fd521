// The control skinning objects, and which one a plain window gets, free of any window
// system: the class table of plain windows by class name and style, each row gated by
// the skin's SkinControls families. Framework controls are matched by
// skin_control_rules.h.
#pragma once

#include <cstdint>
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

}  // namespace kova
