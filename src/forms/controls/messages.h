// The framework's own notification messages, sent to controls (through their window
// when they have one, so a replaced window procedure sees them too).
#pragma once

#include <windows.h>

namespace kova {

constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;     // a navigation key, before the control
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;    // a character for the form's accelerators
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;  // lParam: the control that took the focus
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
constexpr UINT CM_MENUCHANGED = CM_BASE + 21;  // the form's main menu changed

// One message as a control's message method sees it.
struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

}  // namespace kova
