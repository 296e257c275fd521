// Screenshots that tests and the demo save as PNG files for people to look at.
#pragma once

#include <filesystem>

#include "forms/controls/forms.h"
#include "forms/graphics/dib_bitmap.h"

namespace kova::testing {

// Writes the bitmap as an opaque PNG; answers false when it cannot be written.
bool SavePng(const TDibBitmap& bitmap, const std::filesystem::path& file);

// Paints the form and its child windows now and saves what the screen shows of it.
bool SaveFormScreenshot(TForm& form, const std::filesystem::path& file);

// Saves what the screen shows of any window (of any process) as PNG.
bool SaveWindowShot(HWND window, const std::filesystem::path& file);
// The layered window's alpha; 255 for a window that is not layered.
BYTE WindowAlpha(HWND window);

}  // namespace kova::testing
