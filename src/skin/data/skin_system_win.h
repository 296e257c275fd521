// The optional system functions the skin engine uses when the system offers them,
// looked up once when the library starts (null where the system lacks one), and the
// calls made through them.
#pragma once

#include <windows.h>

#include "skin/data/skin_system.h"

namespace kova {

using GetScrollBarInfoFunction = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
using TrackMouseEventFunction = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);
using GetComboBoxInfoFunction = BOOL(WINAPI*)(HWND, PCOMBOBOXINFO);
using DisableProcessWindowsGhostingFunction = void(WINAPI*)();

extern GetScrollBarInfoFunction pGetScrollBarInfo;
extern TrackMouseEventFunction pTrackMouseEvent;
extern GetComboBoxInfoFunction pGetComboBoxInfo;
extern DisableProcessWindowsGhostingFunction pDisableProcessWindowsGhosting;

// Asks the system to tell |window| when the mouse leaves it (WM_MOUSELEAVE); false when
// the system cannot.
bool DoTrackMouse(HWND window);

}  // namespace kova
