// A framework form with a main menu and a popup menu in the product's skin, run in this
// process with the skin manager active, for the demo.
#pragma once

#include <filesystem>

namespace kova::demo {

// Loads `skin_file` and shows a sizable form whose main menu (File, Edit, View: an item
// with a shortcut, a submenu, a separator, a disabled and a checked item) is drawn in
// the skinned frame, and a popup menu. It then asks, on standard output, for real input
// from whoever drives the pointer and the keyboard: "click NAME X Y" (left button),
// "rclick NAME X Y" (right button) and "key KEY..." (key names as xdotool takes them).
// It opens File with a click and saves the form with the open menu as
// skinned-menus.png in `shots`, opens View with Alt+V and picks an item with the
// keyboard, opens the popup menu with a right click and picks an item, and closes the
// form with File's Exit. Every chosen item prints its command. Answers the process exit
// code: 1 when a step did not happen.
int RunSkinnedMenus(const std::filesystem::path& skin_file, const std::filesystem::path& shots);

}  // namespace kova::demo
