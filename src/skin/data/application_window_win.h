// The window whose icon stands for the application in skinned title bars: the
// framework's application window. The layer that owns that window names it here at
// start-up; without a source (or while it answers no window) the program's own icon is
// used.
#pragma once

#include <windows.h>

namespace kova {

using ApplicationWindowSource = HWND (*)();
// Replaces the source; null removes it. Answers the previous one.
ApplicationWindowSource SetApplicationWindowSource(ApplicationWindowSource source);
HWND ApplicationWindow();

// The icon a window shows: its small icon (set on the window, else its class's), or its
// big icon when it has no small one. The icon stays the window's: not to be destroyed.
HICON WindowSmallOrBigIcon(HWND window);

}  // namespace kova
