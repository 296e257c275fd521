#include "firewall_prompt_run_win.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "frame/form_manager_win.h"
#include "host_context.h"
#include "screenshot_win.h"
#include "window_search_win.h"

namespace kova::demo {
namespace {

// The installed language's title of the prompt.
constexpr wchar_t kTitle[] = L"Configure KOVA Internet Security";

void PrintLine(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

// Moves the mouse to `at` and clicks, as input of the window system.
void ClickAt(POINT at) {
  SetCursorPos(at.x, at.y);
  INPUT clicks[2] = {};
  clicks[0].type = clicks[1].type = INPUT_MOUSE;
  clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, clicks, sizeof(INPUT));
}

struct PromptUser {
  std::filesystem::path shot;
  bool saved = false;
  bool done = false;
};
PromptUser* g_user = nullptr;

// Runs from the prompt's own modal loop.
void CALLBACK PlayUser(HWND, UINT, UINT_PTR timer, DWORD) {
  PromptUser& user = *g_user;
  HWND prompt = FindWindowW(nullptr, kTitle);
  if (user.done || prompt == nullptr || !IsWindowVisible(prompt) ||
      testing::WindowAlpha(prompt) != 255) {
    return;
  }
  user.done = true;
  KillTimer(nullptr, timer);
  user.saved = testing::SaveWindowShot(prompt, user.shot);
  if (const auto accept = ChildCentre(prompt, L"OK")) {
    ClickAt(*accept);
  } else {
    PostMessageW(prompt, WM_CLOSE, 0, 0);
  }
}

}  // namespace

int RunFirewallPrompt(const std::filesystem::path& shot) {
  host::HostContext context(nullptr, host::ContextMode::kNormal, {}, PrintLine);
  PromptUser user{shot};
  g_user = &user;
  {
    CMsg manager(&context);
    SetTimer(nullptr, 0, 50, &PlayUser);
    manager.ShowFirewallPrompt(nullptr);
  }
  g_user = nullptr;
  if (!user.saved) {
    std::fprintf(stderr, "kova-demo-user: the firewall prompt was not saved\n");
    return 1;
  }
  PrintLine("saved " + shot.string());
  return 0;
}

}  // namespace kova::demo
