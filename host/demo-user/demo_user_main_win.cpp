// kova-demo-user.exe: the person at the screen, for the demo.
//   kova-demo-user shot TITLE OUT.png [TEXT]
//       waits for the dialog titled TITLE (any process) to be revealed, saves it, and
//       prints "click X Y": where on the screen the control showing TEXT is, for a
//       real mouse click through the window system.
//   kova-demo-user firewall OUT.png
//       runs the firewall prompt from inside this installation, saves it and accepts.
//   kova-demo-user frame SKIN.skn SHOTS-FOLDER
//       shows a framework form and a message box in that skin, saves them, and asks for
//       real clicks ("click NAME X Y") on OK, maximize, restore and close, printing the
//       window's state after each.
//   kova-demo-user menus SKIN.skn SHOTS-FOLDER
//       shows a framework form with a main menu and a popup menu in that skin, asks for
//       real clicks ("click"/"rclick NAME X Y") and key strokes ("key KEY...") that open
//       and choose from them, saves the form with a menu open, and prints each chosen
//       item's command.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "firewall_prompt_run_win.h"
#include "base/win/handles_win.h"
#include "screenshot_win.h"
#include "skinned_frame_run_win.h"
#include "skinned_menus_run_win.h"
#include "window_search_win.h"

namespace {

constexpr char kUsage[] =
    "usage: kova-demo-user shot TITLE OUT.png [TEXT]\n"
    "       kova-demo-user firewall OUT.png\n"
    "       kova-demo-user frame SKIN.skn SHOTS-FOLDER\n"
    "       kova-demo-user menus SKIN.skn SHOTS-FOLDER\n";

std::vector<std::wstring> Arguments() {
  int count = 0;
  const kova::UniqueLocalMemory<LPWSTR> argv(CommandLineToArgvW(GetCommandLineW(), &count));
  if (!argv || count < 1) {
    return {};
  }
  return std::vector<std::wstring>(argv.Get() + 1, argv.Get() + count);
}

int SaveShownWindow(const std::wstring& title, const std::wstring& out, const std::wstring& text) {
  HWND window = kova::demo::WaitForShownWindow(title, std::chrono::seconds(60));
  if (window == nullptr) {
    std::fprintf(stderr, "kova-demo-user: no window \"%ls\" was shown\n", title.c_str());
    return 1;
  }
  if (!kova::testing::SaveWindowShot(window, out)) {
    std::fprintf(stderr, "kova-demo-user: cannot write %ls\n", out.c_str());
    return 1;
  }
  if (!text.empty()) {
    const auto centre = kova::demo::ChildCentre(window, text);
    if (!centre) {
      std::fprintf(stderr, "kova-demo-user: nothing shows \"%ls\"\n", text.c_str());
      return 1;
    }
    std::printf("click %ld %ld\n", centre->x, centre->y);
  }
  return 0;
}

}  // namespace

int main() {
  const std::vector<std::wstring> arguments = Arguments();
  if (arguments.size() >= 3 && arguments.size() <= 4 && arguments[0] == L"shot") {
    return SaveShownWindow(arguments[1], arguments[2], arguments.size() == 4 ? arguments[3] : L"");
  }
  if (arguments.size() == 2 && arguments[0] == L"firewall") {
    return kova::demo::RunFirewallPrompt(arguments[1]);
  }
  if (arguments.size() == 3 && arguments[0] == L"frame") {
    return kova::demo::RunSkinnedFrame(arguments[1], arguments[2]);
  }
  if (arguments.size() == 3 && arguments[0] == L"menus") {
    return kova::demo::RunSkinnedMenus(arguments[1], arguments[2]);
  }
  std::fputs(kUsage, stderr);
  return 2;
}
