// Finding the dialogs of any process on the screen, and the places to click on them.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

namespace kova::demo {

// Waits until a top-level window with that title is visible and fully opaque (the
// dialogs fade in); null after `timeout`.
HWND WaitForShownWindow(const std::wstring& title, std::chrono::milliseconds timeout);

// The screen position of the middle of the child window that shows `text`.
std::optional<POINT> ChildCentre(HWND parent, const std::wstring& text);

}  // namespace kova::demo
