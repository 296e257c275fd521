// A framework form and a system message box in the product's skin, run in this process
// with the skin manager active, for the demo.
#pragma once

#include <filesystem>

namespace kova::demo {

// Loads `skin_file` for forms and for dialogs, shows a sizable form with a
// caption and minimize and maximize boxes and saves it active and inactive, then a
// message box, into `shots`. Then it asks for real clicks (lines "click NAME X Y" on
// standard output, for whoever drives the pointer) on the message box's OK and on the
// form's maximize, restore and close buttons, and after each one prints the state read
// back from the window. Answers the process exit code: 1 when a shot or a click failed.
int RunSkinnedFrame(const std::filesystem::path& skin_file, const std::filesystem::path& shots);

}  // namespace kova::demo
